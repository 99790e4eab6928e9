#pragma once

#include "DeviceChoice.h"
#include "SerialPortAlias.h"
#include "TFerox.h"

#include <optional>

// Points the control at the chosen register for this run only: the connection settings
// the user saved stay as they are.
class DeviceConnection {
 public:
  // Throws FeroxError when a serial path cannot be given a COM number.
  DeviceConnection(TFerox& driver, const DeviceChoice& choice);

 private:
  std::optional<SerialPortAlias> serialAlias_;
};
