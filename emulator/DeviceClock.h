#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstdint>
#include <optional>

class StateChange;
class StateStore;

// The register's clock: an offset from the host's clock, kept in the state store. The
// device reads wall-clock time and knows no time zone, so it does not follow the host's
// daylight-saving changes. A new date takes two steps: it is entered, then confirmed.
class DeviceClock {
 public:
  explicit DeviceClock(StateStore& store) : store_(store) {}

  QDateTime now() const;
  // The date entered and not yet confirmed.
  std::optional<QDate> enteredDate() const;

  std::int32_t enterDate(const QDate& date);
  std::int32_t confirmDate(const QDate& date);
  std::int32_t setTime(const QTime& time);
  // Adds forgetting an entered date to change.
  static void dropEnteredDate(StateChange& change);

 private:
  std::int32_t setClock(const QDateTime& wallClock, bool confirmingDate);

  StateStore& store_;
};
