#include "TPage.h"

#include "PageAction.h"
#include "TDriver.h"
#include "TPageNotifier.h"
#include "TPages.h"

#include <QApplication>
#include <QPushButton>

TPage::TPage(QWidget* parent) : TBaseForm(parent) {}

TPage::~TPage() { SetOwner(nullptr); }

void TPage::EnableButtons(bool Value) {
  PageNotifier().DoChange(Value);
  // Disabling the focused button moves the focus on, possibly to the next button, so
  // the focus is taken once, before anything changes.
  const QWidget* focused = QApplication::focusWidget();
  forEachButton([this, Value, focused](QPushButton& button) {
    if (!Value) {
      if (&button == focused) FFocusedButton = &button;
      button.setEnabled(false);
      return;
    }
    button.setEnabled(true);
    if (&button == FFocusedButton) button.setFocus();
  });
  // Forgotten once given back, so that a later action started without a focused button
  // does not pull the focus away from where the user is.
  if (Value) FFocusedButton = nullptr;
}

void TPage::Check(std::int32_t resultCode) { TDriver::Check(resultCode); }

void TPage::SetOwner(TPages* list) {
  if (FOwner) FOwner->Remove(this);
  FOwner = list;
  if (FOwner) FOwner->Add(this);
}

int TPage::GetIndex() const { return FOwner ? FOwner->IndexOf(this) : -1; }

void TPage::run(const std::function<void()>& action) { runAction(*this, action); }
