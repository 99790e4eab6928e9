#pragma once

#include "DriverSurface.h"

// Which side of the link a property lives on.
enum class PropertyRole {
  // Travels to the register when it changes and is taken back from its answers.
  Device,
  // The control's own: connection settings, logical devices, versions, the last result
  // and the last bytes. Never sent, never taken from an answer.
  Control,
  // A connection setting of the control that also names one of the device's own exchange
  // parameters: sent with SetExchangeParam only, taken back from any answer.
  ExchangeParameter,
};

PropertyRole propertyRole(PropertyId id);
