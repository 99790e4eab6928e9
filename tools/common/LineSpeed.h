#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A serial line with an optional speed, as the command line gives it: "COM7@19200",
// "/dev/ttyUSB0@9600", or the name alone.
struct LineWithSpeed {
  QString line;
  std::optional<int> bitsPerSecond;
  bool operator==(const LineWithSpeed&) const = default;
};

// Nothing when the name is empty or the text after '@' is not a positive number; whether
// the speed is one the line can run at is for the caller to say.
std::optional<LineWithSpeed> parseLineWithSpeed(QStringView text);
