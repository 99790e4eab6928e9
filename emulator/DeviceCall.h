#pragma once

#include "DriverSurface.h"
#include "PropertyBag.h"

#include <cstdint>
#include <vector>

struct Device;

// When the caller last sent each property. Where a command accepts one value through
// either of two properties, the one set last is the one the caller means.
class InputHistory {
 public:
  InputHistory() : stamps_(driverProperties().size(), 0) {}
  void record(PropertyId id) { stamps_[std::size_t(id)] = ++clock_; }
  bool setMoreRecently(PropertyId first, PropertyId second) const {
    return stamps_[std::size_t(first)] > stamps_[std::size_t(second)];
  }

 private:
  std::vector<std::uint64_t> stamps_;
  std::uint64_t clock_ = 0;
};

// One method call: the caller's properties, which the command reads its inputs from and
// writes its outputs to.
struct Call {
  PropertyBag& properties;
  const InputHistory& history;
  int linkInterface;  // how the caller reaches the register (PortNumber of the status)
};

using CommandHandler = std::int32_t (*)(Device& device, Call& call);
