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

}  // namespace

QDateTime wallClock(const QDate& date, const QTime& time) { return QDateTime(date, time, Qt::UTC); }

bool DeviceClock::start() {
  if (store_.number(OffsetKey)) return true;
  StateChange change;
  change.put(OffsetKey, QDateTime::currentDateTime().offsetFromUtc() * 1000LL);
  return store_.commit(change);
}

QDateTime DeviceClock::now() const {
  return QDateTime::currentDateTimeUtc().addMSecs(store_.number(OffsetKey).value_or(0));
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
  return setClock(wallClock(date, now().time()), true);
}

std::int32_t DeviceClock::setTime(const QTime& time) {
  if (!time.isValid()) return result::InvalidTime;
  const QTime whole(time.hour(), time.minute(), time.second());
  return setClock(wallClock(now().date(), whole), false);
}

std::int32_t DeviceClock::setClock(const QDateTime& deviceTime, bool confirmingDate) {
  StateChange change;
  change.put(OffsetKey, deviceTime.toMSecsSinceEpoch() - QDateTime::currentMSecsSinceEpoch());
  if (confirmingDate) dropEnteredDate(change);
  return store_.commit(change) ? result::Ok : result::StorageFailure;
}

void DeviceClock::dropEnteredDate(StateChange& change) { change.remove(EnteredDateKey); }
