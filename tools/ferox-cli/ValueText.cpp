#include "ValueText.h"

#include "HexText.h"
#include "Overloaded.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// The day a driver date-time holds when only its time matters.
const QDate TimeOnlyDay(1899, 12, 30);

// How much of a date-time a text gives.
enum class Part { Date, Time, DateAndTime };

struct DateTimeText {
  QDateTime value;
  Part part;
  const char16_t* timePrecision;  // the time as far as the text gives it
};

std::optional<DateTimeText> parseDateTime(const QString& text) {
  struct Format {
    const char16_t* date;
    const char16_t* time;
  };
  static const Format formats[] = {
      {u"yyyy-MM-dd", nullptr},
      {u"dd.MM.yyyy", nullptr},
      {nullptr, u"HH:mm:ss"},
      {nullptr, u"HH:mm"},
      {u"yyyy-MM-ddT", u"HH:mm:ss.zzz"},
      {u"yyyy-MM-ddT", u"HH:mm:ss"},
      {u"yyyy-MM-ddT", u"HH:mm"},
      {u"yyyy-MM-dd ", u"HH:mm:ss"},
      {u"yyyy-MM-dd ", u"HH:mm"},
      {u"dd.MM.yyyy ", u"HH:mm:ss"},
      {u"dd.MM.yyyy ", u"HH:mm"},
  };
  const QString trimmed = text.trimmed();
  for (const Format& format : formats) {
    if (!format.date) {
      const QTime time = QTime::fromString(trimmed, QString::fromUtf16(format.time));
      if (time.isValid())
        return DateTimeText{QDateTime(TimeOnlyDay, time), Part::Time, format.time};
      continue;
    }
    const QString pattern = QString::fromUtf16(format.date) +
                            (format.time ? QString::fromUtf16(format.time) : QString());
    const QDateTime value = QDateTime::fromString(trimmed, pattern);
    if (value.isValid())
      return DateTimeText{value, format.time ? Part::DateAndTime : Part::Date,
                          format.time ? format.time : u"HH:mm:ss"};
  }
  return std::nullopt;
}

std::optional<std::int32_t> parseInteger(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

std::optional<bool> parseBoolean(const QString& text) {
  const QString word = text.trimmed().toLower();
  if (word == u"true" || word == u"1" || word == u"-1") return true;
  if (word == u"false" || word == u"0") return false;
  return std::nullopt;
}

std::optional<double> parseDouble(const QString& text) {
  static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
  const QString trimmed = text.trimmed();
  if (!decimal.match(trimmed).hasMatch()) return std::nullopt;
  QString normalized = trimmed;
  return normalized.replace(u',', u'.').toDouble();
}

std::optional<QByteArray> parseBytes(const QString& text) {
  static const QRegularExpression hexPairs(QStringLiteral("^\\s*([0-9A-Fa-f]{2}\\s*)*$"));
  if (!hexPairs.match(text).hasMatch()) return std::nullopt;
  return hexTextToBytes(text);
}

// The property type whose values have the kind actual holds.
PropertyType typeOfValue(const DriverValue& actual) {
  return std::visit(Overloaded{
                        [](std::int32_t) { return PropertyType::Integer; },
                        [](bool) { return PropertyType::Boolean; },
                        [](const QString&) { return PropertyType::Text; },
                        [](const Currency&) { return PropertyType::Currency; },
                        [](const QDateTime&) { return PropertyType::DateTime; },
                        [](double) { return PropertyType::Double; },
                        [](const QByteArray&) { return PropertyType::Bytes; },
                    },
                    actual);
}

bool sameNumber(double a, double b) {
  return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
}

// Driver date-times are wall-clock readings: their parts are compared, not instants, and
// the time only as far as the expected text gives it.
bool sameDateTime(const QDateTime& actual, const DateTimeText& expected) {
  const QString precision = QString::fromUtf16(expected.timePrecision);
  const bool sameDate = actual.date() == expected.value.date();
  const bool sameTime =
      actual.time().toString(precision) == expected.value.time().toString(precision);
  switch (expected.part) {
    case Part::Date:
      return sameDate;
    case Part::Time:
      return sameTime;
    case Part::DateAndTime:
      return sameDate && sameTime;
  }
  return false;
}

template <class T>
std::optional<bool> equalTo(const std::optional<T>& expected, const T& actual) {
  if (!expected) return std::nullopt;
  return *expected == actual;
}

}  // namespace

std::optional<DriverValue> parseValue(PropertyType type, const QString& text) {
  switch (type) {
    case PropertyType::Integer:
      if (const auto value = parseInteger(text)) return *value;
      return std::nullopt;
    case PropertyType::Boolean:
      if (const auto value = parseBoolean(text)) return *value;
      return std::nullopt;
    case PropertyType::Text:
    case PropertyType::Variant:
      return text;
    case PropertyType::Currency:
      if (const auto value = Currency::parse(text.trimmed())) return *value;
      return std::nullopt;
    case PropertyType::DateTime:
      if (const auto value = parseDateTime(text)) return value->value;
      return std::nullopt;
    case PropertyType::Double:
      if (const auto value = parseDouble(text)) return *value;
      return std::nullopt;
    case PropertyType::Bytes:
      if (const auto value = parseBytes(text)) return *value;
      return std::nullopt;
  }
  return std::nullopt;
}

QString typeDescription(PropertyType type) {
  switch (type) {
    case PropertyType::Integer:
      return QStringLiteral("целое число");
    case PropertyType::Boolean:
      return QStringLiteral("логическое значение: true, false, 1, 0 или -1");
    case PropertyType::Text:
      return QStringLiteral("текст");
    case PropertyType::Currency:
      return QStringLiteral("денежная сумма, не более четырёх знаков после запятой");
    case PropertyType::DateTime:
      return QStringLiteral("дата и время: 2026-12-11, 11.12.2026, 14:30:05");
    case PropertyType::Double:
      return QStringLiteral("число");
    case PropertyType::Bytes:
      return QStringLiteral("байты в шестнадцатеричном виде: 02 1E FF");
    case PropertyType::Variant:
      return QStringLiteral("значение");
  }
  return {};
}

QString displayText(const DriverValue& value) {
  if (const auto* bytes = std::get_if<QByteArray>(&value)) return bytesToHexText(*bytes);
  return valueToText(value);
}

std::optional<bool> matchesText(PropertyType type, const DriverValue& actual,
                                const QString& expected) {
  switch (type == PropertyType::Variant ? typeOfValue(actual) : type) {
    case PropertyType::Integer:
      return equalTo(parseInteger(expected), valueToInt(actual));
    case PropertyType::Boolean:
      return equalTo(parseBoolean(expected), valueToBool(actual));
    case PropertyType::Text:
    case PropertyType::Variant:
      return expected == valueToString(actual);
    case PropertyType::Currency:
      return equalTo(Currency::parse(expected.trimmed()), valueToCurrency(actual));
    case PropertyType::Double: {
      const auto number = parseDouble(expected);
      if (!number) return std::nullopt;
      return sameNumber(*number, valueToDouble(actual));
    }
    case PropertyType::DateTime: {
      const auto moment = parseDateTime(expected);
      if (!moment) return std::nullopt;
      return sameDateTime(valueToDateTime(actual), *moment);
    }
    case PropertyType::Bytes:
      return equalTo(parseBytes(expected), valueToBytes(actual));
  }
  return std::nullopt;
}
