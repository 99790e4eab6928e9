#include "TLogFile.h"

#include "LogFileLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

class LogFileTest : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir_.filePath(name); }

  void enable(const QString& name = "app.log") {
    log_.setFileName(path(name));
    log_.setEnabled(true);
  }

  QStringList messages(const QString& name = "app.log") const {
    return readLogMessages(path(name));
  }

  QTemporaryDir dir_;
  TLogFile log_;
};

TEST_F(LogFileTest, StartsDisabledWithoutAFileAndCreatesNothing) {
  EXPECT_FALSE(log_.Enabled());
  EXPECT_EQ(log_.FileName(), "");
  EXPECT_EQ(log_.MaxFileSize(), 0);
  EXPECT_EQ(log_.MaxFileCount(), 0);

  log_.setFileName(path("logs/app.log"));
  log_.Info("dropped");
  log_.Error("dropped", std::runtime_error("error"));
  EXPECT_FALSE(QFileInfo::exists(path("logs")));
}

TEST_F(LogFileTest, EnabledWithoutAFileNameWritesNothing) {
  log_.setEnabled(true);
  EXPECT_NO_THROW(log_.Info("dropped"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

TEST_F(LogFileTest, EachLineHasTimeThreadLevelAndMessage) {
  enable("logs/today/app.log");
  const QDateTime before = QDateTime::currentDateTime();
  log_.Trace("one");
  log_.Info("two");
  log_.Error("three");
  log_.Debug("four");
  const QDateTime after = QDateTime::currentDateTime();

  const QStringList lines = readLogLines(path("logs/today/app.log"));
  const QStringList levels = {"TRACE", " INFO", "ERROR", "DEBUG"};
  const QStringList texts = {"one", "two", "three", "four"};
  ASSERT_EQ(lines.size(), 4);
  for (int i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i].toStdString());
    const std::optional<LogLine> line = parseLogLine(lines[i]);
    ASSERT_TRUE(line);
    EXPECT_GE(line->time, before);
    EXPECT_LE(line->time, after);
    EXPECT_EQ(line->thread, parseLogLine(lines[0])->thread);
    EXPECT_EQ(line->level, levels[i]);
    EXPECT_EQ(line->message, texts[i]);
  }
}

TEST_F(LogFileTest, ValuesFollowTheTextInParentheses) {
  enable();
  log_.Info("Open", {1, "COM1", LogValue()});
  log_.Trace("Print", {"abc\ndef", ""});
  log_.Error("Read", LogValues{});
  log_.Debug("Send", {2.5, true});
  log_.Debug("Read", {1, 2}, 0);
  log_.Debug("Count", 3);
  log_.Debug("Name", LogValue(QString()));
  log_.Error("Failed", std::runtime_error("no link"));

  const QStringList expected = {
      "[ INFO] Open(1, 'COM1', NULL)",
      "[TRACE] Print('abc'#$0a'def', '')",
      "[ERROR] Read()",
      "[DEBUG] Send(2.5, true)",
      "[DEBUG] Read(1, 2)=0",
      "[DEBUG] Count=3",
      "[DEBUG] Name=''",
      "[ERROR] Failed no link",
  };
  EXPECT_EQ(messages(), expected);
}

TEST_F(LogFileTest, TextIsWrittenInWindows1251WithQuestionMarksForTheRest) {
  enable();
  log_.Info(QString::fromUtf8("Касса №1 ✓ \U0001F600 ok"));
  EXPECT_EQ(messages(), QStringList{QString::fromLatin1("[ INFO] \xca\xe0\xf1\xf1\xe0 \xb9"
                                                        "1 ? ? ok")});
}

TEST_F(LogFileTest, LinesAreAppendedToAnExistingFile) {
  QFile existing(path("app.log"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.write("earlier\r\n");
  existing.close();

  enable();
  log_.Info("later");
  const QStringList lines = readLogLines(path("app.log"));
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "earlier");
  EXPECT_TRUE(lines[1].endsWith("[ INFO] later"));
}

TEST_F(LogFileTest, ChangingTheFileOrTheSwitchTakesEffectAtTheNextLine) {
  enable("first.log");
  log_.Info("first");
  log_.setFileName(path("second.log"));
  log_.Info("second");
  log_.setEnabled(false);
  log_.Info("dropped");
  log_.setEnabled(true);
  log_.Info("second again");

  EXPECT_EQ(messages("first.log"), QStringList{"[ INFO] first"});
  EXPECT_EQ(messages("second.log"), QStringList({"[ INFO] second", "[ INFO] second again"}));
}

TEST_F(LogFileTest, AFileThatCannotBeOpenedDropsLinesUntilItCan) {
  QFile blocker(path("blocked"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  enable("blocked/app.log");

  EXPECT_NO_THROW(log_.Info("lost"));
  ASSERT_TRUE(QFile::remove(path("blocked")));
  log_.Info("kept");

  EXPECT_EQ(messages("blocked/app.log"), QStringList{"[ INFO] kept"});
}

struct RollOverCase {
  int maxFileSize;
  int maxFileCount;
  int lines;
  QString staleFile;
  std::map<std::string, std::vector<int>> files;  // every file left, with the numbers of its lines
};

// Lines of 600 KiB: every second line takes a file past 1 MiB.
const RollOverCase rollOverCases[] = {
    {1,
     3,
     11,
     "app.log.3",
     {{"app.log", {11}},
      {"app.log.1.log", {9, 10}},
      {"app.log.2.log", {7, 8}},
      {"app.log.3.log", {5, 6}}}},
    {1, 1, 5, "app.log.1", {{"app.log", {5}}, {"app.log.1.log", {3, 4}}}},
    {1, 0, 3, "", {{"app.log", {1, 2, 3}}}},
    {0, 3, 3, "", {{"app.log", {1, 2, 3}}}},
    {4096, 3, 3, "", {{"app.log", {1, 2, 3}}}},
};

std::vector<int> lineNumbers(const QStringList& messages) {
  static const QRegularExpression number(QStringLiteral(R"(^\[ INFO\] line (\d+) x+$)"));
  std::vector<int> numbers;
  for (const QString& message : messages) {
    const QRegularExpressionMatch match = number.match(message);
    EXPECT_TRUE(match.hasMatch()) << message.left(40).toStdString();
    numbers.push_back(match.captured(1).toInt());
  }
  return numbers;
}

TEST_F(LogFileTest, RollsOverBySizeKeepingMaxFileCountOlderFiles) {
  for (const RollOverCase& c : rollOverCases) {
    SCOPED_TRACE(testing::Message() << c.maxFileSize << " MiB, " << c.maxFileCount << " files");
    QTemporaryDir caseDir;
    if (!c.staleFile.isEmpty()) {
      QFile stale(caseDir.filePath(c.staleFile));
      ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    TLogFile log;
    log.setFileName(caseDir.filePath("app.log"));
    log.setMaxFileSize(c.maxFileSize);
    log.setMaxFileCount(c.maxFileCount);
    log.setEnabled(true);
    for (int i = 1; i <= c.lines; ++i)
      log.Info(QStringLiteral("line %1 ").arg(i) + QString(600 * 1024, u'x'));

    std::map<std::string, std::vector<int>> files;
    for (const QString& name : QDir(caseDir.path()).entryList(QDir::Files))
      files[name.toStdString()] = lineNumbers(readLogMessages(caseDir.filePath(name)));
    EXPECT_EQ(files, c.files);
  }
}

constexpr int WriterCount = 4;
constexpr int LinesPerWriter = 250;

TEST_F(LogFileTest, ThreadsWritingAtOnceGiveWholeLines) {
  enable();
  std::vector<std::thread> writers;
  for (int writer = 0; writer < WriterCount; ++writer) {
    writers.emplace_back([this, writer] {
      for (int i = 0; i < LinesPerWriter; ++i)
        log_.Info(
            QStringLiteral("writer %1 line %2 %3").arg(writer).arg(i).arg(QString(200, u'x')));
    });
  }
  for (std::thread& writer : writers) writer.join();

  static const QRegularExpression message(QStringLiteral(R"(^writer (\d) line (\d+) x{200}$)"));
  std::map<int, int> nextLine;
  std::map<int, QSet<QString>> threadsOfWriter;
  QSet<QString> threads;
  const QStringList lines = readLogLines(path("app.log"));
  ASSERT_EQ(lines.size(), WriterCount * LinesPerWriter);
  for (const QString& text : lines) {
    const std::optional<LogLine> line = parseLogLine(text);
    ASSERT_TRUE(line) << text.toStdString();
    const QRegularExpressionMatch match = message.match(line->message);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    const int writer = match.captured(1).toInt();
    EXPECT_EQ(match.captured(2).toInt(), nextLine[writer]++);
    threadsOfWriter[writer].insert(line->thread);
    threads.insert(line->thread);
  }
  EXPECT_EQ(threads.size(), WriterCount);
  for (const auto& [writer, ids] : threadsOfWriter) EXPECT_EQ(ids.size(), 1) << writer;
}

TEST(GlobalLogger, IsOneInstanceUntilFreed) {
  TLogFile& logger = GlobalLogger();
  EXPECT_EQ(&GlobalLogger(), &logger);
  EXPECT_FALSE(logger.Enabled());
  logger.setFileName("elsewhere.log");
  FreeLogFile();
  EXPECT_EQ(GlobalLogger().FileName(), "");
  FreeLogFile();
}

}  // namespace
