#pragma once

#include "DeviceChoice.h"

#include <QString>
#include <QStringList>

#include <optional>

struct CliOptions {
  std::optional<DeviceChoice> device;    // none: the control's saved connection
  QString stateDir;                      // the embedded register's folder; empty: its default
  QString script = QStringLiteral("-");  // a file, or "-" for standard input
};

struct ParsedCliOptions {
  std::optional<CliOptions> options;  // nothing on an error or a request for help
  QString error;
};

// Reads the arguments after the program name.
ParsedCliOptions parseCliOptions(const QStringList& arguments);

QString cliUsage();
