#pragma once

#include "HostPort.h"

#include <QString>
#include <QStringList>

#include <optional>

// The register's serial line: a pseudo-terminal known to the port map as COM<comNumber>.
// It answers only at lineSpeed bits per second when one is given, else at the speed the
// register itself is set to (its exchange parameters, 115200 from the factory).
struct PseudoTerminalOptions {
  int comNumber = 0;
  std::optional<int> lineSpeed;
  bool operator==(const PseudoTerminalOptions&) const = default;
};

// The UDP port on which programs listen for registers announcing themselves.
constexpr int AnnouncementPort = 16327;

struct DaemonOptions {
  QString stateDir;  // empty: the register's default folder
  HostPort tcp{QStringLiteral("127.0.0.1"), 7778};
  std::optional<PseudoTerminalOptions> pseudoTerminal;
  // Announcements stay on this machine unless the user names another destination.
  HostPort announce{QStringLiteral("127.0.0.1"), AnnouncementPort};
  bool operator==(const DaemonOptions&) const = default;
};

struct ParsedDaemonOptions {
  std::optional<DaemonOptions> options;  // nothing on an error or a request for help
  QString error;                         // why the command line was refused
};

// Reads the arguments after the program name.
ParsedDaemonOptions parseDaemonOptions(const QStringList& arguments);

QString daemonUsage();
