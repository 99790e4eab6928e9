#include "WizardErrorBox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

#include <utility>

namespace Enrolla {

namespace {

WizardErrorBox::Hook& installedHook() {
  static WizardErrorBox::Hook hook;
  return hook;
}

}  // namespace

void WizardErrorBox::show(QWidget* form, const QString& message) {
  QWidget* window = form ? form->window() : nullptr;
  if (installedHook())
    installedHook()(window, message);
  else
    QMessageBox::critical(window, QGuiApplication::applicationDisplayName(), message);
}

WizardErrorBox::Hook WizardErrorBox::setHook(Hook hook) {
  return std::exchange(installedHook(), std::move(hook));
}

}  // namespace Enrolla
