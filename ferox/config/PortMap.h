#pragma once

#include <QString>

#include <optional>
#include <vector>

// On this system a serial port is a device path; callers of the control name it by a COM
// number. One map, kept in an INI file (FeroxPaths.h), joins the two for the control and
// for port enumeration alike:
//
//   [General]
//   SystemPorts=true        ; false hides the system's own ports (tests, kiosks)
//   [Ports]
//   COM5=/dev/pts/3         ; explicit entries, written by hand or by the daemon
//
// Unless hidden, the system's ports come first: /dev/ttySn is COM(n+1), then every
// /dev/ttyUSB* and /dev/ttyACM* present, numbered on from the last ttyS port. An explicit
// entry wins over a system entry with the same number or the same path.
struct SerialPortEntry {
  int comNumber = 0;
  QString path;
  bool operator==(const SerialPortEntry&) const = default;
};

constexpr int MinComNumber = 1;
constexpr int MaxComNumber = 256;

// The whole map, ordered by COM number; read afresh on every call, so a port that the
// daemon registered a moment ago is seen at once.
std::vector<SerialPortEntry> serialPortMap();

std::optional<QString> serialPortPath(int comNumber);

// Registers a device path (a pseudo-terminal of the daemon, say) under a COM number, or
// removes the number. Throw FeroxError when the number is out of range or the map file
// cannot be written.
void registerSerialPort(int comNumber, const QString& path);
void unregisterSerialPort(int comNumber);
