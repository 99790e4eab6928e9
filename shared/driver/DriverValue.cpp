#include "DriverValue.h"

#include "DriverErrors.h"
#include "Overloaded.h"

#include <cmath>

namespace {

[[noreturn]] void conversionFailed(const DriverValue& value, const char* target) {
  throw DriverCallError(QStringLiteral("Значение \"%1\" нельзя преобразовать в %2")
                            .arg(valueToText(value), QString::fromLatin1(target)));
}

}  // namespace

DriverValue defaultValueOf(PropertyType type) {
  switch (type) {
    case PropertyType::Integer: return std::int32_t(0);
    case PropertyType::Boolean: return false;
    case PropertyType::Text: return QString();
    case PropertyType::Currency: return Currency();
    case PropertyType::DateTime: return QDateTime();
    case PropertyType::Double: return 0.0;
    case PropertyType::Bytes: return QByteArray();
    case PropertyType::Variant: return QString();
  }
  return QString();
}

QString valueToText(const DriverValue& value) {
  return std::visit(
      Overloaded{
          [](std::int32_t v) { return QString::number(v); },
          [](bool v) { return v ? QStringLiteral("-1") : QStringLiteral("0"); },
          [](const QString& v) { return v; },
          [](const Currency& v) { return v.toString(); },
          [](const QDateTime& v) { return v.toString(Qt::ISODateWithMs); },
          [](double v) { return QString::number(v, 'g', 17); },
          [](const QByteArray& v) { return QString::fromLatin1(v); },
      },
      value);
}

std::int32_t valueToInt(const DriverValue& value) {
  if (const auto* v = std::get_if<std::int32_t>(&value)) return *v;
  if (const auto* v = std::get_if<bool>(&value)) return *v ? -1 : 0;
  if (const auto* v = std::get_if<QString>(&value)) {
    bool ok = false;
    const int parsed = v->trimmed().toInt(&ok);
    if (ok) return parsed;
  }
  conversionFailed(value, "целое число");
}

bool valueToBool(const DriverValue& value) {
  if (const auto* v = std::get_if<bool>(&value)) return *v;
  if (const auto* v = std::get_if<std::int32_t>(&value)) return *v != 0;
  if (const auto* v = std::get_if<QString>(&value)) {
    const QString text = v->trimmed().toLower();
    if (text == u"true" || text == u"-1" || text == u"1") return true;
    if (text == u"false" || text == u"0") return false;
  }
  conversionFailed(value, "логическое значение");
}

QString valueToString(const DriverValue& value) { return valueToText(value); }

Currency valueToCurrency(const DriverValue& value) {
  if (const auto* v = std::get_if<Currency>(&value)) return *v;
  if (const auto* v = std::get_if<std::int32_t>(&value)) return Currency::fromUnits(*v);
  if (const auto* v = std::get_if<QString>(&value)) {
    if (const auto parsed = Currency::parse(*v)) return *parsed;
  }
  conversionFailed(value, "денежную сумму");
}

QDateTime valueToDateTime(const DriverValue& value) {
  if (const auto* v = std::get_if<QDateTime>(&value)) return *v;
  if (const auto* v = std::get_if<QString>(&value)) {
    const QDateTime parsed = QDateTime::fromString(v->trimmed(), Qt::ISODateWithMs);
    if (parsed.isValid()) return parsed;
  }
  conversionFailed(value, "дату и время");
}

double valueToDouble(const DriverValue& value) {
  if (const auto* v = std::get_if<double>(&value)) return *v;
  if (const auto* v = std::get_if<std::int32_t>(&value)) return *v;
  if (const auto* v = std::get_if<Currency>(&value)) return v->toDouble();
  if (const auto* v = std::get_if<QString>(&value)) {
    bool ok = false;
    const double parsed = v->trimmed().toDouble(&ok);
    if (ok && std::isfinite(parsed)) return parsed;
  }
  conversionFailed(value, "число");
}

QByteArray valueToBytes(const DriverValue& value) {
  if (const auto* v = std::get_if<QByteArray>(&value)) return *v;
  if (const auto* v = std::get_if<QString>(&value)) {
    // Bytes handed over as text carry one character per byte; a wider character is not
    // a byte and would be silently truncated, so it is refused.
    for (const QChar c : *v)
      if (c.unicode() > 0xFF) conversionFailed(value, "байты");
    return v->toLatin1();
  }
  conversionFailed(value, "байты");
}

DriverValue coerceTo(PropertyType type, const DriverValue& value) {
  switch (type) {
    case PropertyType::Integer: return valueToInt(value);
    case PropertyType::Boolean: return valueToBool(value);
    case PropertyType::Text: return valueToString(value);
    case PropertyType::Currency: return valueToCurrency(value);
    case PropertyType::DateTime: return valueToDateTime(value);
    case PropertyType::Double: return valueToDouble(value);
    case PropertyType::Bytes: return valueToBytes(value);
    case PropertyType::Variant: return value;
  }
  return value;
}
