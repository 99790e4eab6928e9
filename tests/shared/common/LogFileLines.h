#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// One line of a log file, split into the parts of its header.
struct LogLine {
  QDateTime time;
  QString thread;
  QString level;
  QString message;  // the bytes as written, one character per byte
};

// The lines of a log file, each without its CR LF; the file must end with one.
QStringList readLogLines(const QString& fileName);
// nullopt when the header does not have its exact form.
std::optional<LogLine> parseLogLine(const QString& line);
// Each line as its level tag and message, "[ INFO] text"; a line with a malformed
// header fails the test.
QStringList readLogMessages(const QString& fileName);
