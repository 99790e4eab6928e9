#include "ConnectionCaption.h"
#include "ProgramVersion.h"
#include "QtPrinters.h"
#include "RecordingDriverScope.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectionCaptionTest, BaudRateCodesReadAsBitsPerSecondAndAnUnknownCodeAs4800) {
  const std::pair<int, int> cases[] = {
      {0, 2400},   {1, 4800},   {2, 9600},   {3, 19200}, {4, 38400}, {5, 57600},       {6, 115200},
      {7, 230400}, {8, 460800}, {9, 921600}, {10, 4800}, {-1, 4800}, {INT32_MAX, 4800}};
  for (const auto& [code, rate] : cases) EXPECT_EQ(captionBaudRate(code), rate) << code;
}

TEST(ConnectionCaptionTest, TheCaptionNamesWhereTheDriverIsConnected) {
  struct Case {
    int connectionType;
    QString suffix;
    QStringList reads;
  };
  const Case cases[] = {
      {0, " [Serial: COM3 Baudrate 115200]", {"?ConnectionType", "?ComNumber", "?BaudRate"}},
      {1,
       " [DCOM:kassa-01 COM3 Baudrate 115200]",
       {"?ConnectionType", "?ComputerName", "?ComNumber", "?BaudRate"}},
      {2,
       " [DCOM:kassa-01 COM3 Baudrate 115200]",
       {"?ConnectionType", "?ComputerName", "?ComNumber", "?BaudRate"}},
      {6, " [TCP: 192.168.0.5: 7778]", {"?ConnectionType", "?IPAddress", "?TCPPort"}},
      {5, "", {"?ConnectionType"}},
  };
  RecordingDriverScope scope;
  RecordingDriver& recorder = scope.recorder();
  recorder.preset("ComNumber", 3)
      .preset("BaudRate", 6)
      .preset("ComputerName", QStringLiteral("kassa-01"))
      .preset("IPAddress", QStringLiteral("192.168.0.5"))
      .preset("TCPPort", 7778);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.connectionType);
    recorder.preset("ConnectionType", c.connectionType);
    recorder.clearJournal();
    EXPECT_EQ(connectionCaption(Driver()), defaultCaption() + c.suffix);
    QStringList reads = recorder.all();
    reads.sort();
    QStringList expected = c.reads;
    expected.sort();
    EXPECT_EQ(reads, expected) << "only what the connection type needs is read";
  }
}

}  // namespace
