#pragma once

#include "DriverSurface.h"
#include "PropertyBag.h"

#include <algorithm>
#include <cstdint>
#include <span>

struct Device;

// One method call: the caller's properties, which the command reads its inputs from and
// writes its outputs to, and which of them the request itself carried. A caller sends only
// what it changed, so where a command takes one value through either of two properties,
// the one just sent is the one the caller means.
struct Call {
  PropertyBag& properties;
  std::span<const PropertyId> sent;
  int linkInterface;  // how the caller reaches the register (PortNumber of the status)

  bool carries(PropertyId id) const { return std::ranges::find(sent, id) != sent.end(); }
};

using CommandHandler = std::int32_t (*)(Device& device, Call& call);
