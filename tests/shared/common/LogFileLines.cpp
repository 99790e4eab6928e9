#include "LogFileLines.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

QStringList readLogLines(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read " << fileName.toStdString();
    return {};
  }
  const QString text = QString::fromLatin1(file.readAll());
  if (text.isEmpty()) return {};
  EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n"))) << fileName.toStdString();
  QStringList lines = text.split(QStringLiteral("\r\n"));
  lines.removeLast();
  return lines;
}

std::optional<LogLine> parseLogLine(const QString& line) {
  static const QRegularExpression header(
      QStringLiteral(R"(^\[(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d\.\d{3})\] \[(\d{8})\] )"
                     R"(\[(TRACE| INFO|ERROR|DEBUG)\] (.*)$)"),
      QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = header.match(line);
  if (!match.hasMatch()) return std::nullopt;
  const QDateTime time =
      QDateTime::fromString(match.captured(1), QStringLiteral("dd.MM.yyyy HH:mm:ss.zzz"));
  if (!time.isValid()) return std::nullopt;
  return LogLine{time, match.captured(2), match.captured(3), match.captured(4)};
}

QStringList readLogMessages(const QString& fileName) {
  QStringList messages;
  for (const QString& line : readLogLines(fileName)) {
    const std::optional<LogLine> parsed = parseLogLine(line);
    EXPECT_TRUE(parsed) << line.toStdString();
    if (parsed) messages += QStringLiteral("[%1] %2").arg(parsed->level, parsed->message);
  }
  return messages;
}
