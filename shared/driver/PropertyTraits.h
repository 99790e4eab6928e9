#pragma once

#include "DriverValue.h"

// How each property type looks in C++, and how a contract value becomes it.
template <PropertyType T>
struct PropertyTraits;

#define FEROX_DEFINE_TRAITS(type, cppType, convert)                             \
  template <>                                                                   \
  struct PropertyTraits<PropertyType::type> {                                   \
    using Value = cppType;                                                      \
    static Value from(const DriverValue& value) { return convert(value); }      \
  };
FEROX_DEFINE_TRAITS(Integer, std::int32_t, valueToInt)
FEROX_DEFINE_TRAITS(Boolean, bool, valueToBool)
FEROX_DEFINE_TRAITS(Text, QString, valueToString)
FEROX_DEFINE_TRAITS(Currency, Currency, valueToCurrency)
FEROX_DEFINE_TRAITS(DateTime, QDateTime, valueToDateTime)
FEROX_DEFINE_TRAITS(Double, double, valueToDouble)
FEROX_DEFINE_TRAITS(Bytes, QByteArray, valueToBytes)
FEROX_DEFINE_TRAITS(Variant, DriverValue, DriverValue)
#undef FEROX_DEFINE_TRAITS
