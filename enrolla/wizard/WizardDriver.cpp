#include "WizardDriver.h"

#include "FeroxError.h"

#include <memory>

namespace Enrolla {

namespace {

std::unique_ptr<TFerox>& driverObject() {
  static std::unique_ptr<TFerox> driver;
  return driver;
}

}  // namespace

TFerox& Driver() {
  CreateDriver();
  return *driverObject();
}

void CreateDriver() {
  if (driverObject()) return;
  auto driver = std::make_unique<TFerox>();
  driver->setOFDExchangeSuspended(true);
  driverObject() = std::move(driver);
}

void FreeDriver() { driverObject().reset(); }

bool DriverExists() { return driverObject() != nullptr; }

void DisconnectDriver() {
  if (DriverExists()) Driver().Disconnect();
}

void CheckResult(std::int32_t resultCode) {
  if (resultCode == 0) return;
  throw FeroxError(
      QStringLiteral("Ошибка %1, %2").arg(resultCode).arg(Driver().ResultCodeDescription()));
}

}  // namespace Enrolla
