#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QPushButton;

// The base of every page and of the program's dialogs: locks the form's buttons while
// an action runs and unlocks them afterwards.
class TBaseForm : public QWidget {
  Q_OBJECT

 public:
  explicit TBaseForm(QWidget* parent = nullptr);

  // Value false disables every enabled push button, marking it with tag 1 and
  // remembering the focused one; already-disabled buttons are left alone, so that a
  // dialog's own disabled buttons stay disabled. Value true re-enables only the marked
  // buttons and gives the focus back to the remembered one when it can take it.
  virtual void EnableButtons(bool Value);

 protected:
  // Visits every push button of the form depth first, children before their parent.
  // Windows of their own (dialogs parented to the form) are not part of the form.
  void forEachButton(const std::function<void(QPushButton&)>& visit);

 private:
  QPointer<QPushButton> FFocusedButton;
};
