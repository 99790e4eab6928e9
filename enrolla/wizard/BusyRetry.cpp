#include "BusyRetry.h"

#include "ResultCodes.h"

#include <thread>
#include <utility>

namespace Enrolla {

namespace {

BusyWait& installedWait() {
  static BusyWait wait;
  return wait;
}

bool isBusyResult(std::int32_t resultCode) {
  return resultCode == result::PrinterBusy80 || resultCode == result::PrinterBusy75;
}

void waitBetweenAttempts() {
  if (installedWait())
    installedWait()(BusyPause);
  else
    std::this_thread::sleep_for(BusyPause);
}

}  // namespace

std::int32_t callWhileBusy(const std::function<std::int32_t()>& call) {
  std::int32_t resultCode = call();
  for (int attempt = 1; attempt < BusyAttempts && isBusyResult(resultCode); ++attempt) {
    waitBetweenAttempts();
    resultCode = call();
  }
  return resultCode;
}

BusyWait setBusyWait(BusyWait wait) { return std::exchange(installedWait(), std::move(wait)); }

}  // namespace Enrolla
