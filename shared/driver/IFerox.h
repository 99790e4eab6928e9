#pragma once

#include "DriverValue.h"

#include <cstdint>
#include <string_view>

// The driver control contract: properties in, a method call, a result code and
// properties out. Methods take no arguments; 0 is success and any other value is the
// device's or the driver's error code, repeated afterwards in ResultCode and
// ResultCodeDescription. A failure of the mechanism itself (the control cannot be
// reached, a name is not on the surface) throws DriverCallError instead.
class IFerox {
 public:
  virtual ~IFerox() = default;

  virtual DriverValue getProperty(std::string_view name) = 0;
  virtual void setProperty(std::string_view name, const DriverValue& value) = 0;
  virtual std::int32_t callMethod(std::string_view name) = 0;
};
