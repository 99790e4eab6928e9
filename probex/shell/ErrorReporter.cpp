#include "ErrorReporter.h"

#include "DriverErrors.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

#include <utility>

namespace {

ErrorReporter::Hook& installedHook() {
  static ErrorReporter::Hook hook;
  return hook;
}

}  // namespace

void ErrorReporter::show(QWidget* form, const QString& message) {
  QWidget* window = form ? form->window() : nullptr;
  if (installedHook())
    installedHook()(window, message);
  else
    QMessageBox::critical(window, QGuiApplication::applicationDisplayName(), message);
}

void ErrorReporter::guard(QWidget* form, const std::function<void()>& step) {
  if (const auto failure = failureOf(step)) show(form, *failure);
}

std::optional<QString> ErrorReporter::failureOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const SilentAbort&) {
  } catch (const FeroxError& error) {
    return error.message();
  } catch (const std::exception& error) {
    return QString::fromUtf8(error.what());
  }
  return std::nullopt;
}

ErrorReporter::Hook ErrorReporter::setHook(Hook hook) {
  return std::exchange(installedHook(), std::move(hook));
}
