#pragma once

#include "TBaseForm.h"

#include <cstdint>
#include <functional>

class TPages;

// One screen of the test program, shown inside the main window's page area; its caption
// is its window title. A page belongs to at most one TPages list, which owns it.
class TPage : public TBaseForm {
  Q_OBJECT

 public:
  explicit TPage(QWidget* parent = nullptr);
  ~TPage() override;

  // Tells the notifier first, then disables every push button (remembering the focused
  // one) or enables every push button, also those disabled before the action, and
  // gives the focus back to the remembered one.
  void EnableButtons(bool Value) override;
  // Called once after all pages exist, before stored field values are restored.
  virtual void Initialize() {}
  // Called when the page becomes visible: refresh fields from the driver.
  virtual void UpdatePage() {}
  // Called when the page is about to be left: copy fields to the driver.
  virtual void UpdateObject() {}

  // A non-zero result code ends the current action silently.
  static void Check(std::int32_t resultCode);

  // Leaves the current list, if any, and joins the end of the new one, if any.
  void SetOwner(TPages* list);
  TPages* Owner() const { return FOwner; }
  // The position in the owner list; -1 while unowned.
  int GetIndex() const;

  // Runs a button's driver action through the one action cycle (PageAction.h).
  void run(const std::function<void()>& action);

 private:
  QPointer<QPushButton> FFocusedButton;
  TPages* FOwner = nullptr;
};
