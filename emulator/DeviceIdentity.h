#pragma once

#include <QString>

struct Device;

// The serial number the factory gives each model of the register: made once, when the
// model is first switched on in a state folder, and kept for good.
namespace identity {

QString serialNumber(const Device& device);
// False when a new number could not be stored.
bool ensureSerialNumber(Device& device);

}  // namespace identity
