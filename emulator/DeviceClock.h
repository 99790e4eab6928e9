#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstdint>
#include <optional>

class StateChange;
class StateStore;

// The register's date-times are wall-clock fields with no time zone. They are held as
// UTC date-times, which never consult the host's zone: the device does not follow
// daylight-saving changes, and reading its clock costs no zone lookup.
QDateTime wallClock(const QDate& date, const QTime& time);

// The register's clock: an offset from the host's clock, kept in the state store. It is
// set to the host's local time when a state folder is first used. A new date takes two
// steps: it is entered, then confirmed.
class DeviceClock {
 public:
  explicit DeviceClock(StateStore& store) : store_(store) {}

  // Sets a new device's clock; false when that cannot be stored.
  bool start();
  QDateTime now() const;
  // The date entered and not yet confirmed.
  std::optional<QDate> enteredDate() const;

  std::int32_t enterDate(const QDate& date);
  std::int32_t confirmDate(const QDate& date);
  std::int32_t setTime(const QTime& time);
  // Adds forgetting an entered date to change.
  static void dropEnteredDate(StateChange& change);

 private:
  std::int32_t setClock(const QDateTime& deviceTime, bool confirmingDate);

  StateStore& store_;
};
