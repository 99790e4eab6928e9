#pragma once

#include "DaemonProcess.h"
#include "FeroxControl.h"
#include "IsolatedProfile.h"
#include "PaperTape.h"

#include <QByteArray>
#include <QStringList>
#include <QUdpSocket>

#include <memory>
#include <optional>
#include <ostream>

// How a test reaches the register.
enum class Transport { Embedded, Tcp, PseudoTerminal };

void PrintTo(Transport transport, std::ostream* out);
std::string transportName(Transport transport);

// The COM number the daemon's line gets in the tests' port maps.
constexpr int TestComNumber = 7;
// The speed of a register fresh from the factory.
constexpr int FactoryLineSpeed = 115200;

// A virtual register in a fresh profile and state folder, reached over one transport: in
// this process, or through a ferox-emulator child on 127.0.0.1 (TCP on a port the system
// chooses, the serial line on a pseudo-terminal). The daemon's announcements go to a
// socket of the test, never to the usual port. The child is stopped when the register
// goes, whatever the test did.
class RegisterUnderTest {
 public:
  // The daemon's line answers at lineSpeed, or at the register's own speed when none is
  // given. Throws std::runtime_error when the daemon does not start.
  explicit RegisterUnderTest(Transport transport, std::optional<int> lineSpeed = std::nullopt);

  Transport transport() const { return transport_; }
  // A new control set up for the transport; every control is its own caller.
  std::unique_ptr<FeroxControl> newControl() const { return newControlOver(transport_); }
  // The same over another of the daemon's ways in (TCP to a daemon that also has a line).
  std::unique_ptr<FeroxControl> newControlOver(Transport transport) const;
  // The console's --device (and --state) arguments for the same register.
  QStringList cliDeviceArguments() const;

  QString stateDir() const { return profile_.stateDir(); }
  QString tape(PaperTape::Station station = PaperTape::Station::Receipt) const;
  // Writes register.ini, which the register reads again before its next command.
  void writeSettings(const QByteArray& ini) const;

  DaemonProcess& daemon() { return *daemon_; }
  // Starts the daemon again on the same state folder (after a kill, say).
  void restartDaemon();
  QUdpSocket& announcements() { return announcements_; }

 private:
  void startDaemon();

  Transport transport_;
  std::optional<int> lineSpeed_;
  IsolatedProfile profile_;
  QUdpSocket announcements_;
  std::unique_ptr<DaemonProcess> daemon_;
};
