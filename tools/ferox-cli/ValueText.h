#pragma once

#include "DriverValue.h"

#include <QString>

#include <optional>

// Property values as a script writes them, read by the property's type:
//   integer    decimal, with a sign: -5
//   boolean    true, false, 1, 0 or -1
//   text       the text itself
//   currency   up to four decimals, point or comma: 246.9, 246,90
//   double     a decimal number, point or comma
//   date-time  2026-12-11, 11.12.2026, 14:30[:05], or a date and a time (2026-12-11T14:30:05,
//              "11.12.2026 14:30"); a time alone lies on 1899-12-30, the zero day of the
//              driver's dates
//   bytes      hexadecimal, pairs of digits, spaces allowed: "02 05 1E"
//   variant    text

// Nothing when the text is not a value of that type.
std::optional<DriverValue> parseValue(PropertyType type, const QString& text);

// What a value of that type is, for messages: "целое число".
QString typeDescription(PropertyType type);

// The text `get` prints: the value's ordinary text, bytes in hexadecimal.
QString displayText(const DriverValue& value);

// Whether actual equals the expected text read by the property's type: numbers compare as
// numbers (246.9 equals 246.9000), a date or a time alone compares only that part, a
// variant property by the kind of value it holds. Nothing when the expected text is not a
// value of that type.
std::optional<bool> matchesText(PropertyType type, const DriverValue& actual,
                                const QString& expected);
