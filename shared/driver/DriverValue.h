#pragma once

#include "Currency.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <variant>

// The kinds of value a driver property can hold. Variant properties carry whichever of
// the other kinds the control puts there (model parameter values, for one).
enum class PropertyType { Integer, Boolean, Text, Currency, DateTime, Double, Bytes, Variant };

using DriverValue =
    std::variant<std::int32_t, bool, QString, Currency, QDateTime, double, QByteArray>;

// The zero value of a property type, as a freshly created control holds it.
DriverValue defaultValueOf(PropertyType type);

// The value as its ordinary text ("-1"/"0" for booleans, four decimals for currency,
// ISO date-time, bytes as Latin-1).
QString valueToText(const DriverValue& value);

// Conversions used by the typed wrapper. A value of another kind is converted where the
// conversion is lossless in meaning (an integer text to an integer, say); otherwise they
// throw DriverCallError, since the control broke its own type.
std::int32_t valueToInt(const DriverValue& value);
bool valueToBool(const DriverValue& value);
QString valueToString(const DriverValue& value);
Currency valueToCurrency(const DriverValue& value);
QDateTime valueToDateTime(const DriverValue& value);
double valueToDouble(const DriverValue& value);
QByteArray valueToBytes(const DriverValue& value);

// The value converted to the kind a property of this type holds (a Variant property keeps
// whatever it is given). Throws DriverCallError when the value cannot be that kind.
DriverValue coerceTo(PropertyType type, const DriverValue& value);
