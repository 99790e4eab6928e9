#pragma once

#include "PropertyBag.h"

#include <cstdint>

// Logical devices: named sets of connection parameters (COM number, baud-rate code,
// computer name, time-out), numbered from 1, kept per user in the settings file
// (FeroxPaths.h), one of them the active one. Every operation reads the file afresh and
// writes it back at once, so controls of several programs see one list. The operations
// take their inputs from the LD* properties and put their outputs there; each answers a
// result code.
namespace logical_devices {

// Adds a device from LDName, LDComNumber, LDBaudrate, LDComputerName and LDTimeout;
// LDNumber becomes its new number.
std::int32_t add(PropertyBag& properties);
// Deletes device LDNumber.
std::int32_t remove(PropertyBag& properties);
// LDCount := the number of devices.
std::int32_t count(PropertyBag& properties);
// Fills the LD* properties from the device at position LDIndex (from 0).
std::int32_t enumerate(PropertyBag& properties);
// Replaces the parameters of device LDNumber with the LD* properties.
std::int32_t setParams(PropertyBag& properties);
// Fills the LD* properties from device LDNumber.
std::int32_t getParams(PropertyBag& properties);
// Makes device LDNumber the active one: its parameters become the control's ComNumber,
// BaudRate, ComputerName and Timeout.
std::int32_t setActive(PropertyBag& properties);
// Fills the LD* properties from the active device.
std::int32_t getActive(PropertyBag& properties);

}  // namespace logical_devices
