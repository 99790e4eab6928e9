#include "ControlTestSupport.h"
#include "PortMap.h"
#include "ResultCodes.h"

#include <gtest/gtest.h>

namespace {

class SerialConnection : public ::testing::Test {
 protected:
  SerialConnection() { registerSerialPort(7, line.slavePath()); }

  void useSerial(FeroxControl& control, int comNumber, int baudRateCode) {
    control.setProperty("ConnectionType", 0);
    control.setProperty("ComNumber", comNumber);
    control.setProperty("BaudRate", baudRateCode);
    control.setProperty("Timeout", 300);
  }

  CleanProfile profile;
  PseudoTerminal line;
  FeroxControl control;
};

TEST_F(SerialConnection, TalksFramesOverTheLineAtTheChosenSpeed) {
  FrameServer registerSide(line.master());
  useSerial(control, 7, 2);
  EXPECT_EQ(control.callMethod("GetShortECRStatus"), 0);
  EXPECT_EQ(control.getProperty("ECRMode"), DriverValue(std::int32_t(4)));
  EXPECT_EQ(line.baudRate(), 9600);
  useSerial(control, 7, 9);
  EXPECT_EQ(control.callMethod("Beep"), 0);
  EXPECT_EQ(line.baudRate(), 921600);
}

TEST_F(SerialConnection, GivesTheLineToOneControlAtATime) {
  FrameServer registerSide(line.master());
  useSerial(control, 7, 6);
  ASSERT_EQ(control.callMethod("Connect"), 0);
  FeroxControl second;
  useSerial(second, 7, 6);
  EXPECT_EQ(second.callMethod("Connect"), result::PortBusy);
  control.callMethod("Disconnect");
  EXPECT_EQ(second.callMethod("Connect"), 0);
}

TEST_F(SerialConnection, RefusesPortsAndSpeedsThatAreNotThere) {
  registerSerialPort(8, profile.path("no-such-device"));
  const std::pair<std::pair<int, int>, std::int32_t> cases[] = {
      {{8, 6}, result::PortUnavailable},  // mapped to a path that does not exist
      {{9, 6}, result::PortUnavailable},  // not in the map
      {{7, 10}, result::InvalidSetting},  // no such baud-rate code
      {{7, -1}, result::InvalidSetting},
      {{7, 6}, result::NoConnection},  // the line is there, nobody answers
  };
  for (const auto& [port, expected] : cases) {
    useSerial(control, port.first, port.second);
    EXPECT_EQ(control.callMethod("Connect"), expected) << port.first << "@" << port.second;
  }
}

TEST_F(SerialConnection, FindDeviceTriesEveryPortAtEveryRate) {
  registerSerialPort(3, profile.path("no-such-device"));
  FrameServer registerSide(line.master(), [this] { return line.baudRate() == 19200; });
  control.setProperty("SearchTimeout", 100);
  control.setProperty("ComNumber", 1);
  control.setProperty("BaudRate", 0);
  EXPECT_EQ(control.callMethod("FindDevice"), 0);
  EXPECT_EQ(control.getProperty("ConnectionType"), DriverValue(std::int32_t(0)));
  EXPECT_EQ(control.getProperty("ComNumber"), DriverValue(std::int32_t(7)));
  EXPECT_EQ(control.getProperty("BaudRate"), DriverValue(std::int32_t(3)));
  EXPECT_EQ(control.callMethod("GetShortECRStatus"), 0);
}

TEST_F(SerialConnection, FindDeviceSaysSoWhenNothingAnswers) {
  control.setProperty("SearchTimeout", 20);
  control.setProperty("ComNumber", 5);
  EXPECT_EQ(control.callMethod("FindDevice"), result::NoConnection);
  EXPECT_EQ(control.getProperty("ComNumber"), DriverValue(std::int32_t(5)));
}

}  // namespace
