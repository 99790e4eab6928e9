#include "ConnectionCaption.h"

#include "BaudRates.h"
#include "ProgramVersion.h"
#include "TDriver.h"

namespace {

constexpr std::int32_t SerialConnection = 0;
constexpr std::int32_t TcpConnection = 6;

// Connection types 1 and 2 both reach a serial port through another computer.
bool isRemoteSerial(std::int32_t type) { return type == 1 || type == 2; }

constexpr int UnknownBaudRate = 4800;

QString portText(TDriver& driver) {
  return QStringLiteral("COM%1 Baudrate %2")
      .arg(driver.ComNumber())
      .arg(captionBaudRate(driver.BaudRate()));
}

QString connectionSuffix(TDriver& driver) {
  const std::int32_t type = driver.ConnectionType();
  if (type == SerialConnection) return QStringLiteral(" [Serial: %1]").arg(portText(driver));
  if (isRemoteSerial(type))
    return QStringLiteral(" [DCOM:%1 %2]").arg(driver.ComputerName(), portText(driver));
  if (type == TcpConnection)
    return QStringLiteral(" [TCP: %1: %2]")
        .arg(driver.IPAddress(), QString::number(driver.TCPPort()));
  return {};
}

}  // namespace

int captionBaudRate(std::int32_t code) { return baudRateOfCode(code).value_or(UnknownBaudRate); }

QString connectionCaption(TDriver& driver) { return defaultCaption() + connectionSuffix(driver); }
