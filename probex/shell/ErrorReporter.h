#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The top-level error handler: shows an error's message in a critical message box over
// the window of the form where it happened. Tests replace the box with a hook.
class ErrorReporter {
 public:
  using Hook = std::function<void(QWidget* window, const QString& message)>;

  static void show(QWidget* form, const QString& message);
  // Runs a step that is not an action (a page refresh, say) and shows its failure.
  static void guard(QWidget* form, const std::function<void()>& step);
  // The message a failure of the step shows: a FeroxError's message(), another
  // exception's what(); none when the step succeeds or ends with the silent abort.
  static std::optional<QString> failureOf(const std::function<void()>& step);

  // Installs a hook in place of the message box (an empty hook restores the box) and
  // returns the one installed before.
  static Hook setHook(Hook hook);
};
