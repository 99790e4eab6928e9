#include "RecordingDriver.h"

#include "DriverErrors.h"

namespace {

template <class T>
const T& inTurn(const std::vector<T>& values, int call) {
  return values[std::min<std::size_t>(std::size_t(call), values.size() - 1)];
}

}  // namespace

QString journalValueText(const DriverValue& value) {
  if (const auto* flag = std::get_if<bool>(&value))
    return *flag ? QStringLiteral("true") : QStringLiteral("false");
  return valueToText(value);
}

MethodScript& MethodScript::returns(std::vector<std::int32_t> codes) {
  codes_ = std::move(codes);
  return *this;
}

MethodScript& MethodScript::sets(std::string_view property, DriverValue value) {
  return setsInTurn(property, {std::move(value)});
}

MethodScript& MethodScript::setsInTurn(std::string_view property,
                                       std::vector<DriverValue> values) {
  if (!findProperty(property) || values.empty())
    throw std::invalid_argument("bad scripted output: " + std::string(property));
  outputs_.push_back({std::string(property), std::move(values)});
  return *this;
}

MethodScript& MethodScript::does(std::function<void(RecordingDriver&)> effect) {
  effects_.push_back(std::move(effect));
  return *this;
}

MethodScript& MethodScript::throws(const QString& message) {
  failure_ = message;
  return *this;
}

RecordingDriver::RecordingDriver() {
  for (const PropertyInfo& info : driverProperties()) values_.push_back(defaultValueOf(info.type));
  descriptions_[0] = QStringLiteral("Ошибок нет");
}

const PropertyInfo& RecordingDriver::property(std::string_view name) const {
  const PropertyInfo* info = findProperty(name);
  if (!info)
    throw DriverCallError(QStringLiteral("Неизвестное свойство драйвера: %1")
                              .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
  return *info;
}

void RecordingDriver::store(const PropertyInfo& info, const DriverValue& value) {
  values_[std::size_t(info.id)] = value;
}

DriverValue RecordingDriver::getProperty(std::string_view name) {
  const std::lock_guard lock(mutex_);
  const PropertyInfo& info = property(name);
  const DriverValue value = values_[std::size_t(info.id)];
  journal_.push_back({JournalEntry::Kind::Get, std::string(name), value});
  return value;
}

void RecordingDriver::setProperty(std::string_view name, const DriverValue& value) {
  const std::lock_guard lock(mutex_);
  const PropertyInfo& info = property(name);
  store(info, value);
  journal_.push_back({JournalEntry::Kind::Set, std::string(name), value});
}

std::int32_t RecordingDriver::callMethod(std::string_view name) {
  const std::lock_guard lock(mutex_);
  if (!findMethod(name))
    throw DriverCallError(QStringLiteral("Неизвестный метод драйвера: %1")
                              .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
  std::int32_t result = 0;
  const auto found = scripts_.find(name);
  if (found != scripts_.end()) {
    MethodScript& script = found->second;
    const int call = script.calls_++;
    if (!script.failure_.isEmpty()) throw DriverCallError(script.failure_);
    if (!script.codes_.empty()) result = inTurn(script.codes_, call);
    for (const auto& output : script.outputs_)
      store(property(output.property), inTurn(output.values, call));
    for (const auto& effect : script.effects_) effect(*this);
  }
  store(property("ResultCode"), result);
  const auto description = descriptions_.find(result);
  store(property("ResultCodeDescription"), description != descriptions_.end()
                                               ? description->second
                                               : QStringLiteral("Ошибка %1").arg(result));
  journal_.push_back({JournalEntry::Kind::Call, std::string(name), {}, result});
  return result;
}

MethodScript& RecordingDriver::on(std::string_view method) {
  const std::lock_guard lock(mutex_);
  if (!findMethod(method)) throw std::invalid_argument("not a driver method: " + std::string(method));
  return scripts_[std::string(method)];
}

RecordingDriver& RecordingDriver::preset(std::string_view name, DriverValue value) {
  const std::lock_guard lock(mutex_);
  store(property(name), value);
  return *this;
}

RecordingDriver& RecordingDriver::describe(std::int32_t code, const QString& description) {
  const std::lock_guard lock(mutex_);
  descriptions_[code] = description;
  return *this;
}

std::vector<JournalEntry> RecordingDriver::journal() const {
  const std::lock_guard lock(mutex_);
  return journal_;
}

QStringList RecordingDriver::entries(bool withWrites, bool withCalls, bool withReads) const {
  const std::lock_guard lock(mutex_);
  QStringList lines;
  for (const JournalEntry& entry : journal_) {
    const QString name = QString::fromStdString(entry.name);
    switch (entry.kind) {
      case JournalEntry::Kind::Set:
        if (withWrites) lines << name + u'=' + journalValueText(entry.value);
        break;
      case JournalEntry::Kind::Call:
        if (withCalls) lines << name + QStringLiteral("()");
        break;
      case JournalEntry::Kind::Get:
        if (withReads) lines << u'?' + name;
        break;
    }
  }
  return lines;
}

QStringList RecordingDriver::writesAndCalls() const { return entries(true, true, false); }
QStringList RecordingDriver::writes() const { return entries(true, false, false); }
QStringList RecordingDriver::calls() const { return entries(false, true, false); }
QStringList RecordingDriver::all() const { return entries(true, true, true); }

int RecordingDriver::callCount(std::string_view method) const {
  const std::lock_guard lock(mutex_);
  int count = 0;
  for (const JournalEntry& entry : journal_)
    if (entry.kind == JournalEntry::Kind::Call && entry.name == method) ++count;
  return count;
}

void RecordingDriver::clearJournal() {
  const std::lock_guard lock(mutex_);
  journal_.clear();
}

DriverValue RecordingDriver::value(std::string_view name) const {
  const std::lock_guard lock(mutex_);
  return values_[std::size_t(property(name).id)];
}
