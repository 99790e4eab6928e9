#include "TLogger.h"

#include "LogFileLines.h"
#include "TLogFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class LoggerTest : public ::testing::Test {
 protected:
  LoggerTest() {
    GlobalLogger().setFileName(dir_.filePath("app.log"));
    GlobalLogger().setEnabled(true);
  }
  ~LoggerTest() override { FreeLogFile(); }

  QStringList messages() const { return readLogMessages(dir_.filePath("app.log")); }

  QTemporaryDir dir_;
  TLogger logger_{"Port"};
};

QByteArray countingBytes(int count) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i) bytes += char(i);
  return bytes;
}

TEST_F(LoggerTest, EveryLineStartsWithTheSourceName) {
  const std::runtime_error timeout("timeout");
  logger_.Info("opened");
  logger_.Debug("reading");
  logger_.Error("failed");
  logger_.Error("failed", &timeout);
  logger_.WriteMethodName("Connect");
  logger_.WriteMethodValue("BaudRate", "115200");
  logger_.WriteSeparator();

  const QStringList expected = {
      "[ INFO] Port opened",
      "[DEBUG] Port reading",
      "[ERROR] Port failed",
      "[ERROR] Port failed (timeout)",
      "[DEBUG] Port Connect",
      "[DEBUG] Port BaudRate: 115200",
      "[ INFO] Port ------------------------------------------------------------",
  };
  EXPECT_EQ(messages(), expected);
}

TEST_F(LoggerTest, ByteDumpsHoldTwentyBytesALine) {
  logger_.WriteTxData(countingBytes(45));
  logger_.WriteRxData(countingBytes(20));
  logger_.WriteRxData(countingBytes(21));

  const QStringList expected = {
      "[DEBUG] Port -> 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13",
      "[DEBUG] Port -> 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F 20 21 22 23 24 25 26 27",
      "[DEBUG] Port -> 28 29 2A 2B 2C",
      "[DEBUG] Port <- 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13",
      "[DEBUG] Port <- 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13",
      "[DEBUG] Port <- 14",
  };
  EXPECT_EQ(messages(), expected);
}

TEST_F(LoggerTest, AnEmptyDumpWritesThePrefixAlone) {
  logger_.WriteTxData({});
  logger_.WriteRxData({});
  EXPECT_EQ(messages(), QStringList({"[DEBUG] Port -> ", "[DEBUG] Port <- "}));
}

}  // namespace
