#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace Enrolla {

// How the wizard shows an error: its text alone in a critical message box over the
// window of the form where it happened. Tests replace the box with a hook.
class WizardErrorBox {
 public:
  using Hook = std::function<void(QWidget* window, const QString& message)>;

  static void show(QWidget* form, const QString& message);

  // Installs a hook in place of the message box (an empty hook restores the box) and
  // returns the one installed before.
  static Hook setHook(Hook hook);
};

}  // namespace Enrolla
