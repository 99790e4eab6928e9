#include "DeviceCapabilities.h"

#include "WizardDriver.h"

namespace Enrolla {

namespace {

constexpr std::int32_t CashCoreParam = 28;
constexpr std::int32_t Model19 = 19;

// The driver reports flags either as booleans or as its integer true, -1.
bool isTrueFlag(const DriverValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number == -1;
  return false;
}

}  // namespace

bool CapCashCore() {
  Driver().setModelParamNumber(CashCoreParam);
  // A failed read leaves the value of an earlier parameter behind; it says nothing here.
  if (Driver().ReadModelParamValue() != 0) return false;
  return isTrueFlag(Driver().ModelParamValue());
}

bool IsCashCore() {
  CheckResult(Driver().GetDeviceMetrics());
  return CapCashCore();
}

bool IsModel19() {
  CheckResult(Driver().GetDeviceMetrics());
  return Driver().UModel() == Model19;
}

}  // namespace Enrolla
