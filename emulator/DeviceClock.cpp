#include "DeviceClock.h"

#include "ResultCodes.h"
#include "StateStore.h"

namespace {

const QString OffsetKey = QStringLiteral("clock/offsetMs");
const QString EnteredDateKey = QStringLiteral("clock/enteredDate");

// The device counts years with two digits.
bool isDeviceDate(const QDate& date) {
  return date.isValid() && date.year() >= 2000 && date.year() <= 2099;
}

// Wall-clock fields read as UTC give a time line without daylight-saving jumps.
qint64 wallClockMs(const QDateTime& wallClock) {
  return QDateTime(wallClock.date(), wallClock.time(), Qt::UTC).toMSecsSinceEpoch();
}

}  // namespace

QDateTime DeviceClock::now() const {
  const QDateTime hostNow = QDateTime::currentDateTime();
  const qint64 offset = store_.number(OffsetKey).value_or(hostNow.offsetFromUtc() * 1000LL);
  const QDateTime device = QDateTime::currentDateTimeUtc().addMSecs(offset);
  return QDateTime(device.date(), device.time());
}

std::optional<QDate> DeviceClock::enteredDate() const {
  const auto text = store_.value(EnteredDateKey);
  if (!text) return std::nullopt;
  const QDate date = QDate::fromString(*text, Qt::ISODate);
  if (!date.isValid()) return std::nullopt;
  return date;
}

std::int32_t DeviceClock::enterDate(const QDate& date) {
  if (!isDeviceDate(date)) return result::InvalidDate;
  StateChange change;
  change.put(EnteredDateKey, date.toString(Qt::ISODate));
  return store_.commit(change) ? result::Ok : result::StorageFailure;
}

std::int32_t DeviceClock::confirmDate(const QDate& date) {
  const auto entered = enteredDate();
  if (!entered) return result::DateNotEntered;
  if (date != *entered) return result::DateMismatch;
  return setClock(QDateTime(date, now().time()), true);
}

std::int32_t DeviceClock::setTime(const QTime& time) {
  if (!time.isValid()) return result::InvalidTime;
  const QTime whole(time.hour(), time.minute(), time.second());
  return setClock(QDateTime(now().date(), whole), false);
}

std::int32_t DeviceClock::setClock(const QDateTime& wallClock, bool confirmingDate) {
  StateChange change;
  change.put(OffsetKey, wallClockMs(wallClock) - QDateTime::currentMSecsSinceEpoch());
  if (confirmingDate) dropEnteredDate(change);
  return store_.commit(change) ? result::Ok : result::StorageFailure;
}

void DeviceClock::dropEnteredDate(StateChange& change) { change.remove(EnteredDateKey); }
