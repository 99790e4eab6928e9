#include "ResultDisplay.h"

#include "DriverBusyGate.h"
#include "TDriver.h"

#include <chrono>
#include <utility>

ResultDisplay::ResultDisplay(TickSource tick) : FTick(std::move(tick)) {}

quint32 ResultDisplay::monotonicTick() {
  using namespace std::chrono;
  return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void ResultDisplay::actionStarted() {
  FTexts = {};
  try {
    FStartTick = FTick();
  } catch (...) {
    // The display must never break an action; a failed tick leaves the old start.
  }
}

void ResultDisplay::actionEnded() {
  try {
    fill();
  } catch (...) {
    // Whatever failed, the texts already filled stay on screen and the action goes on.
  }
}

void ResultDisplay::fill() {
  if (DriverBusyGate::heldBy()) return;
  TDriver& driver = Driver();
  FTexts.sent = driver.ECRInput();
  FTexts.received = driver.ECROutput();
  const std::int32_t code = driver.ResultCode();
  FTexts.result =
      QStringLiteral("(%1) %2").arg(QString::number(code), driver.ResultCodeDescription());
  // Unsigned arithmetic gives the right difference across the tick's wrap.
  const quint32 elapsed = FTick() - FStartTick;
  FTexts.time = QString::number(elapsed) + QStringLiteral(" мс");
  FTexts.operatorNumber = QString::number(driver.OperatorNumber());
}
