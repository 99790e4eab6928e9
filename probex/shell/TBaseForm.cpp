#include "TBaseForm.h"

#include "ObjectTag.h"

#include <QApplication>
#include <QPushButton>

namespace {

constexpr int DisabledByForm = 1;

void visitButtons(QWidget& widget, const std::function<void(QPushButton&)>& visit) {
  for (QObject* child : widget.children()) {
    auto* childWidget = qobject_cast<QWidget*>(child);
    if (childWidget && !childWidget->isWindow()) visitButtons(*childWidget, visit);
  }
  if (auto* button = qobject_cast<QPushButton*>(&widget)) visit(*button);
}

bool canTakeFocus(const QWidget& widget) {
  return widget.isVisible() && widget.isEnabled() && widget.focusPolicy() != Qt::NoFocus;
}

}  // namespace

TBaseForm::TBaseForm(QWidget* parent) : QWidget(parent) {}

void TBaseForm::forEachButton(const std::function<void(QPushButton&)>& visit) {
  visitButtons(*this, visit);
}

void TBaseForm::EnableButtons(bool Value) {
  // Disabling the focused button moves the focus on, possibly to the next button, so
  // the focus is taken once, before anything changes.
  const QWidget* focused = QApplication::focusWidget();
  forEachButton([this, Value, focused](QPushButton& button) {
    if (!Value) {
      if (!button.isEnabled()) return;
      if (&button == focused) FFocusedButton = &button;
      button.setEnabled(false);
      setTag(&button, DisabledByForm);
    } else if (tagOf(&button) == DisabledByForm) {
      setTag(&button, 0);
      button.setEnabled(true);
    }
  });
  if (Value && FFocusedButton) {
    if (canTakeFocus(*FFocusedButton)) FFocusedButton->setFocus();
    FFocusedButton = nullptr;
  }
}
