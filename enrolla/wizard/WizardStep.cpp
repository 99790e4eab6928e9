#include "WizardStep.h"

#include "DriverErrors.h"
#include "WizardDriver.h"
#include "WizardErrorBox.h"

#include <optional>

namespace Enrolla {

namespace {

struct Outcome {
  bool succeeded = true;
  std::optional<QString> message;
};

Outcome outcomeOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const SilentAbort&) {
    return {false, std::nullopt};
  } catch (const FeroxError& error) {
    return {false, error.message()};
  } catch (const std::exception& error) {
    return {false, QString::fromUtf8(error.what())};
  }
  return {};
}

}  // namespace

bool runWizardStep(QWidget* form, const std::function<void()>& step) {
  Outcome outcome = outcomeOf(step);
  const Outcome disconnected = outcomeOf(DisconnectDriver);
  if (outcome.succeeded) outcome = disconnected;
  if (outcome.message) WizardErrorBox::show(form, *outcome.message);
  return outcome.succeeded;
}

}  // namespace Enrolla
