#pragma once

#include "DaemonProcess.h"
#include "FeroxControl.h"
#include "IsolatedProfile.h"
#include "PaperTape.h"

#include <QByteArray>
#include <QStringList>
#include <QUdpSocket>

#include <memory>
#include <ostream>

// How a test reaches the register.
enum class Transport { Embedded, Tcp, PseudoTerminal };

void PrintTo(Transport transport, std::ostream* out);
std::string transportName(Transport transport);

// The COM number the daemon's line gets in the tests' port maps.
constexpr int TestComNumber = 7;

// A virtual register in a fresh profile and state folder, reached over one transport: in
// this process, or through a ferox-emulator child on 127.0.0.1 (TCP on a port the system
// chooses, the serial line on a pseudo-terminal). The daemon's announcements go to a
// socket of the test, never to the usual port. The child is stopped when the register
// goes, whatever the test did.
class RegisterUnderTest {
 public:
  // Throws std::runtime_error when the daemon does not start.
  explicit RegisterUnderTest(Transport transport, int lineSpeed = 115200);

  Transport transport() const { return transport_; }
  // A new control set up for the transport; every control is its own caller.
  std::unique_ptr<FeroxControl> newControl() const;
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
  const IsolatedProfile& profile() const { return profile_; }

 private:
  void startDaemon();

  Transport transport_;
  int lineSpeed_;
  IsolatedProfile profile_;
  QUdpSocket announcements_;
  std::unique_ptr<DaemonProcess> daemon_;
};
