#include "DeviceChoice.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceChoice, ReadsEachKindOfDevice) {
  const std::pair<const char*, DeviceChoice> cases[] = {
      {"embedded", EmbeddedDevice{}},
      {"tcp:127.0.0.1:7778", TcpDevice{{QStringLiteral("127.0.0.1"), 7778}}},
      {"tcp:kassa-3.local:1", TcpDevice{{QStringLiteral("kassa-3.local"), 1}}},
      {"tcp:[::1]:7778", TcpDevice{{QStringLiteral("::1"), 7778}}},
      {"serial:/dev/ttyUSB0", SerialDevice{QStringLiteral("/dev/ttyUSB0"), std::nullopt}},
      {"serial:/dev/pts/3@115200", SerialDevice{QStringLiteral("/dev/pts/3"), 6}},
      {"serial:/dev/ttyS0@2400", SerialDevice{QStringLiteral("/dev/ttyS0"), 0}},
      {"serial:/dev/ttyS0@921600", SerialDevice{QStringLiteral("/dev/ttyS0"), 9}},
  };
  for (const auto& [text, expected] : cases) {
    const ParsedDeviceChoice parsed = parseDeviceChoice(QString::fromUtf8(text));
    EXPECT_EQ(parsed.device, std::optional<DeviceChoice>(expected)) << text;
    EXPECT_EQ(parsed.error, QString()) << text;
  }
}

TEST(DeviceChoice, RefusesWhatItCannotReach) {
  const std::pair<const char*, const char*> cases[] = {
      {"Embedded",
       "устройство \"Embedded\" не распознано; допустимы embedded, tcp:АДРЕС:ПОРТ, "
       "serial:ПУТЬ[@СКОРОСТЬ]"},
      {"tcp:127.0.0.1", "после tcp: нужны адрес и порт: tcp:127.0.0.1:7778"},
      {"tcp::7778", "после tcp: нужны адрес и порт: tcp:127.0.0.1:7778"},
      {"tcp:host:0", "после tcp: нужны адрес и порт: tcp:127.0.0.1:7778"},
      {"tcp:host:65536", "после tcp: нужны адрес и порт: tcp:127.0.0.1:7778"},
      {"tcp:::1:7778", "после tcp: нужны адрес и порт: tcp:127.0.0.1:7778"},
      {"serial:", "после serial: нужен путь к устройству и, через @, скорость"},
      {"serial:/dev/ttyS0@fast", "после serial: нужен путь к устройству и, через @, скорость"},
      {"serial:/dev/ttyS0@14400",
       "скорость 14400 не поддерживается; допустимы 2400, 4800, "
       "9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600"},
  };
  for (const auto& [text, error] : cases) {
    const ParsedDeviceChoice parsed = parseDeviceChoice(QString::fromUtf8(text));
    EXPECT_EQ(parsed.device, std::nullopt) << text;
    EXPECT_EQ(parsed.error.toStdString(), error) << text;
  }
}

}  // namespace
