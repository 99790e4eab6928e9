#include "ScriptRunner.h"

#include "DriverErrors.h"
#include "Overloaded.h"
#include "ValueText.h"

namespace {

using Outcome = ScriptRunner::Outcome;

Outcome failedExpectation(const QString& message) {
  return {Outcome::Kind::ExpectationFailed, message};
}

}  // namespace

Outcome ScriptRunner::run(const script::Command& command) {
  try {
    return std::visit(Overloaded{
                          [](const script::Nothing&) { return Outcome{}; },
                          [this](const script::SetProperty& c) { return set(c); },
                          [this](const script::GetProperty& c) { return get(c); },
                          [this](const script::CallMethod& c) { return call(c); },
                          [this](const script::ExpectProperty& c) { return expect(c); },
                          [this](const script::ExpectResult& c) { return expectResult(c); },
                      },
                      command);
  } catch (const DriverCallError& error) {
    return {Outcome::Kind::Error, error.message()};
  }
}

void ScriptRunner::print(const QString& line) { out_ << line.toStdString() << std::endl; }

Outcome ScriptRunner::set(const script::SetProperty& command) {
  control_.setProperty(command.property->name, command.value);
  return {};
}

Outcome ScriptRunner::get(const script::GetProperty& command) {
  const DriverValue value = control_.getProperty(command.property->name);
  print(script::nameText(command.property->name) + u'=' + displayText(value));
  return {};
}

Outcome ScriptRunner::call(const script::CallMethod& command) {
  lastResult_ = control_.callMethod(command.method->name);
  lastDescription_ = valueToString(control_.getProperty("ResultCodeDescription"));
  print(QStringLiteral("%1: %2 %3")
            .arg(script::nameText(command.method->name))
            .arg(*lastResult_)
            .arg(lastDescription_));
  return {};
}

Outcome ScriptRunner::expect(const script::ExpectProperty& command) {
  const PropertyInfo& property = *command.property;
  const DriverValue actual = control_.getProperty(property.name);
  const auto matches = matchesText(property.type, actual, command.expected);
  const QString name = script::nameText(property.name);
  if (!matches)
    return {Outcome::Kind::Error, QStringLiteral("значение \"%1\" нельзя сравнить со значением "
                                                 "свойства %2 (\"%3\")")
                                      .arg(command.expected, name, displayText(actual))};
  if (*matches) return {};
  return failedExpectation(QStringLiteral("ожидалось %1=%2, получено %1=%3")
                               .arg(name, command.expected, displayText(actual)));
}

Outcome ScriptRunner::expectResult(const script::ExpectResult& command) {
  if (!lastResult_)
    return {Outcome::Kind::Error, QStringLiteral("expect-result до первого вызова метода")};
  if (*lastResult_ == command.code) return {};
  return failedExpectation(QStringLiteral("ожидался результат %1, получен %2 (%3)")
                               .arg(command.code)
                               .arg(*lastResult_)
                               .arg(lastDescription_));
}
