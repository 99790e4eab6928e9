#pragma once

#include "DriverSurface.h"

#include <cstdint>
#include <span>

struct Device;
class PropertyBag;

// The status word of the register: one bit per sensor or setting, each also reported as
// a property of its own.
struct StatusFlag {
  int bit;
  PropertyId property;
  bool (*value)(const Device& device);
};

namespace status {

std::span<const StatusFlag> flags();
std::uint16_t flagWord(const Device& device);

// ECRMode, ECRAdvancedMode, ECRModeStatus and their descriptions.
void reportMode(const Device& device, PropertyBag& properties);
// ECRFlags and the property of each flag.
void reportFlags(const Device& device, PropertyBag& properties);

}  // namespace status
