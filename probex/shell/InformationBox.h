#pragma once

#include <QString>

#include <functional>

class QWidget;

// An information message box over a form's window; tests replace the box with a hook,
// as they do for the error handler.
class InformationBox {
 public:
  using Hook = std::function<void(QWidget* window, const QString& caption, const QString& text)>;

  static void show(QWidget* form, const QString& caption, const QString& text);

  // Installs a hook in place of the message box (an empty hook restores the box) and
  // returns the one installed before.
  static Hook setHook(Hook hook);
};
