#include "ControlTestSupport.h"
#include "FeroxError.h"
#include "PortMap.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

TEST(PortMap, JoinsComNumbersAndPathsForEveryUserOfTheMap) {
  CleanProfile profile;
  EXPECT_TRUE(serialPortMap().empty());
  registerSerialPort(12, "/dev/pts/4");
  registerSerialPort(2, "/dev/ttyUSB0");
  registerSerialPort(12, "/dev/pts/9");
  EXPECT_EQ(serialPortMap(),
            (std::vector<SerialPortEntry>{{2, "/dev/ttyUSB0"}, {12, "/dev/pts/9"}}));
  EXPECT_EQ(serialPortPath(12), QString("/dev/pts/9"));
  EXPECT_EQ(serialPortPath(3), std::nullopt);
  unregisterSerialPort(12);
  EXPECT_EQ(serialPortMap(), (std::vector<SerialPortEntry>{{2, "/dev/ttyUSB0"}}));
}

TEST(PortMap, RefusesNumbersOutsideTheComRange) {
  CleanProfile profile;
  for (const int number : {0, -1, 257}) {
    EXPECT_THROW(registerSerialPort(number, "/dev/pts/1"), FeroxError) << number;
    EXPECT_THROW(unregisterSerialPort(number), FeroxError) << number;
  }
}

TEST(PortMap, AnExplicitEntryWinsOverTheSystemsOwnPorts) {
  CleanProfile profile;
  QSettings(profile.path("ports.ini"), QSettings::IniFormat).setValue("SystemPorts", true);
  registerSerialPort(1, "/dev/pts/4");
  const auto ports = serialPortMap();
  EXPECT_EQ(serialPortPath(1), QString("/dev/pts/4"));
  for (const SerialPortEntry& entry : ports) {
    EXPECT_EQ(std::count_if(ports.begin(), ports.end(),
                            [&](const auto& e) { return e.path == entry.path; }),
              1);
    EXPECT_TRUE(entry.comNumber == 1 || entry.path.startsWith("/dev/tty"))
        << entry.path.toStdString();
  }
}

TEST(PortMap, IgnoresEntriesThatAreNoPorts) {
  CleanProfile profile;
  QSettings map(profile.path("ports.ini"), QSettings::IniFormat);
  map.setValue("Ports/COM0", "/dev/a");
  map.setValue("Ports/COM300", "/dev/b");
  map.setValue("Ports/LPT1", "/dev/c");
  map.setValue("Ports/COM4", "");
  map.setValue("Ports/com5", "/dev/e");
  map.sync();
  EXPECT_EQ(serialPortMap(), (std::vector<SerialPortEntry>{{5, "/dev/e"}}));
}

}  // namespace
