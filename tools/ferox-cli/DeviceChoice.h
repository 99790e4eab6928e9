#pragma once

#include "HostPort.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

// The register a console run talks to (--device):
//   embedded            the virtual register inside the process
//   tcp:HOST:PORT       a register on the network (ferox-emulator, say)
//   serial:PATH[@BAUD]  a register on a serial line, at BAUD bits per second
struct EmbeddedDevice {
  bool operator==(const EmbeddedDevice&) const = default;
};
struct TcpDevice {
  HostPort endpoint;
  bool operator==(const TcpDevice&) const = default;
};
struct SerialDevice {
  QString path;
  std::optional<int> baudRateCode;  // the control's code of the speed; none keeps the saved one
  bool operator==(const SerialDevice&) const = default;
};
using DeviceChoice = std::variant<EmbeddedDevice, TcpDevice, SerialDevice>;

struct ParsedDeviceChoice {
  std::optional<DeviceChoice> device;
  QString error;
};

ParsedDeviceChoice parseDeviceChoice(QStringView text);
