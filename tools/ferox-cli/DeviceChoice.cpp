#include "DeviceChoice.h"

#include "BaudRates.h"
#include "LineSpeed.h"

#include <QStringList>

#include <algorithm>

namespace {

ParsedDeviceChoice refused(const QString& error) { return {std::nullopt, error}; }

QString supportedSpeeds() {
  QStringList speeds;
  for (const int speed : baudRateTable) speeds << QString::number(speed);
  return speeds.join(QStringLiteral(", "));
}

ParsedDeviceChoice parseSerial(QStringView text) {
  const auto line = parseLineWithSpeed(text);
  if (!line)
    return refused(QStringLiteral("после serial: нужен путь к устройству и, через @, скорость"));
  SerialDevice serial{line->line, std::nullopt};
  if (line->bitsPerSecond) {
    const auto found = std::ranges::find(baudRateTable, *line->bitsPerSecond);
    if (found == baudRateTable.end())
      return refused(QStringLiteral("скорость %1 не поддерживается; допустимы %2")
                         .arg(*line->bitsPerSecond)
                         .arg(supportedSpeeds()));
    serial.baudRateCode = int(found - baudRateTable.begin());
  }
  return {serial, {}};
}

}  // namespace

ParsedDeviceChoice parseDeviceChoice(QStringView text) {
  if (text == u"embedded") return {EmbeddedDevice{}, {}};
  if (text.startsWith(u"tcp:")) {
    const auto endpoint = parseHostPort(text.sliced(4));
    if (!endpoint)
      return refused(QStringLiteral("после tcp: нужны адрес и порт: tcp:127.0.0.1:7778"));
    return {TcpDevice{*endpoint}, {}};
  }
  if (text.startsWith(u"serial:")) return parseSerial(text.sliced(7));
  return refused(QStringLiteral("устройство \"%1\" не распознано; допустимы embedded, "
                                "tcp:АДРЕС:ПОРТ, serial:ПУТЬ[@СКОРОСТЬ]")
                     .arg(text));
}
