#include "PageAction.h"

#include "DriverBusyGate.h"
#include "ErrorReporter.h"
#include "TBaseForm.h"

void runAction(TBaseForm& form, const std::function<void()>& action) {
  if (const auto owner = DriverBusyGate::heldBy()) {
    ErrorReporter::show(&form, DriverBusyGate::busyMessage(*owner));
    return;
  }
  auto failure = ErrorReporter::failureOf([&] {
    form.EnableButtons(false);
    action();
  });
  const auto enableFailure = ErrorReporter::failureOf([&] { form.EnableButtons(true); });
  if (!failure) failure = enableFailure;
  if (failure) ErrorReporter::show(&form, *failure);
}
