#include "InformationBox.h"

#include <QMessageBox>
#include <QWidget>

#include <utility>

namespace {

InformationBox::Hook& installedHook() {
  static InformationBox::Hook hook;
  return hook;
}

}  // namespace

void InformationBox::show(QWidget* form, const QString& caption, const QString& text) {
  QWidget* window = form ? form->window() : nullptr;
  if (installedHook())
    installedHook()(window, caption, text);
  else
    QMessageBox::information(window, caption, text);
}

InformationBox::Hook InformationBox::setHook(Hook hook) {
  return std::exchange(installedHook(), std::move(hook));
}
