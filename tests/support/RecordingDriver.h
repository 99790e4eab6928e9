#pragma once

#include "DriverSurface.h"
#include "IFerox.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class RecordingDriver;

// What one method does when called: its result codes in turn (the last one repeats),
// output properties it sets, or a failure of the call mechanism.
class MethodScript {
 public:
  // "80, 80, 0": busy twice, then success, then success for ever.
  MethodScript& returns(std::vector<std::int32_t> codes);
  // Sets an output property on every call.
  MethodScript& sets(std::string_view property, DriverValue value);
  // Sets an output property to the next value of the list on each call (the last repeats).
  MethodScript& setsInTurn(std::string_view property, std::vector<DriverValue> values);
  // Any other effect, run after the outputs are set.
  MethodScript& does(std::function<void(RecordingDriver&)> effect);
  // The call fails in the mechanism: DriverCallError with this message.
  MethodScript& throws(const QString& message);

 private:
  friend class RecordingDriver;
  struct Output {
    std::string property;
    std::vector<DriverValue> values;
  };
  std::vector<std::int32_t> codes_;
  std::vector<Output> outputs_;
  std::vector<std::function<void(RecordingDriver&)>> effects_;
  QString failure_;
  int calls_ = 0;
};

struct JournalEntry {
  enum class Kind { Set, Get, Call };
  Kind kind;
  std::string name;
  DriverValue value;        // the value written or read
  std::int32_t result = 0;  // the result code of a call
};

// A test double of the control: journals every property write, read and method call in
// order, and answers from a script. Properties start at the zero value of their type,
// unknown names fail as the real mechanism would. Safe to call from a worker thread.
class RecordingDriver : public IFerox {
 public:
  RecordingDriver();

  DriverValue getProperty(std::string_view name) override;
  void setProperty(std::string_view name, const DriverValue& value) override;
  std::int32_t callMethod(std::string_view name) override;

  // Script.
  MethodScript& on(std::string_view method);
  RecordingDriver& preset(std::string_view property, DriverValue value);
  // The text a result code gets in ResultCodeDescription (default "Ошибок нет" for 0 and
  // "Ошибка N" otherwise).
  RecordingDriver& describe(std::int32_t code, const QString& description);

  // Journal. Entries read as "Name=value" for writes, "Name()" for calls, "?Name" for reads.
  std::vector<JournalEntry> journal() const;
  QStringList writesAndCalls() const;
  QStringList writes() const;
  QStringList calls() const;
  QStringList all() const;
  int callCount(std::string_view method) const;
  void clearJournal();

  // The property's current value, without journaling a read.
  DriverValue value(std::string_view property) const;

 private:
  const PropertyInfo& property(std::string_view name) const;
  void store(const PropertyInfo& info, const DriverValue& value);
  QStringList entries(bool withWrites, bool withCalls, bool withReads) const;

  mutable std::recursive_mutex mutex_;
  std::vector<DriverValue> values_;
  std::map<std::string, MethodScript, std::less<>> scripts_;
  std::map<std::int32_t, QString> descriptions_;
  std::vector<JournalEntry> journal_;
};

// Journal text of one value: booleans as true/false, the rest as their ordinary text.
QString journalValueText(const DriverValue& value);
