#include "PortMap.h"

#include "FeroxError.h"
#include "FeroxPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <map>

namespace {

const QString portsGroup = QStringLiteral("Ports");
const QString systemPortsKey = QStringLiteral("SystemPorts");

// The numbered device files of one family (ttyS0, ttyS1...), in numeric order.
std::vector<QString> devicesOfFamily(const QString& family) {
  const QRegularExpression pattern(QStringLiteral("^%1(\\d+)$").arg(family));
  std::map<int, QString> byNumber;
  for (const QString& name : QDir(QStringLiteral("/dev")).entryList(QDir::System)) {
    const auto match = pattern.match(name);
    if (match.hasMatch()) byNumber.emplace(match.captured(1).toInt(), "/dev/" + name);
  }
  std::vector<QString> paths;
  for (const auto& [number, path] : byNumber) paths.push_back(path);
  return paths;
}

std::map<int, QString> systemPorts() {
  std::map<int, QString> ports;
  int next = MinComNumber;
  for (const QString& path : devicesOfFamily(QStringLiteral("ttyS"))) {
    const int number = QFileInfo(path).fileName().mid(4).toInt() + 1;
    ports.emplace(number, path);
    next = std::max(next, number + 1);
  }
  for (const QString& family : {QStringLiteral("ttyUSB"), QStringLiteral("ttyACM")})
    for (const QString& path : devicesOfFamily(family)) ports.emplace(next++, path);
  return ports;
}

std::map<int, QString> explicitPorts(QSettings& map) {
  std::map<int, QString> ports;
  map.beginGroup(portsGroup);
  const QRegularExpression key(QStringLiteral("^COM(\\d+)$"),
                               QRegularExpression::CaseInsensitiveOption);
  for (const QString& name : map.childKeys()) {
    const auto match = key.match(name);
    const QString path = map.value(name).toString();
    if (!match.hasMatch() || path.isEmpty()) continue;
    const int number = match.captured(1).toInt();
    if (number >= MinComNumber && number <= MaxComNumber) ports[number] = path;
  }
  map.endGroup();
  return ports;
}

QString comKey(int comNumber) { return portsGroup + QStringLiteral("/COM%1").arg(comNumber); }

void checkComNumber(int comNumber) {
  if (comNumber < MinComNumber || comNumber > MaxComNumber)
    throw FeroxError(QStringLiteral("Номер COM-порта %1 вне диапазона %2..%3")
                         .arg(comNumber)
                         .arg(MinComNumber)
                         .arg(MaxComNumber));
}

void writeMap(QSettings& map) {
  map.sync();
  if (map.status() != QSettings::NoError)
    throw FeroxError(QStringLiteral("Не удалось записать карту портов %1").arg(map.fileName()));
}

}  // namespace

std::vector<SerialPortEntry> serialPortMap() {
  QSettings map(portMapFile(), QSettings::IniFormat);
  std::map<int, QString> ports;
  if (map.value(systemPortsKey, true).toBool()) ports = systemPorts();
  for (const auto& [number, path] : explicitPorts(map)) {
    std::erase_if(ports, [&](const auto& entry) { return entry.second == path; });
    ports[number] = path;
  }
  std::vector<SerialPortEntry> entries;
  for (const auto& [number, path] : ports) entries.push_back({number, path});
  return entries;
}

std::optional<QString> serialPortPath(int comNumber) {
  for (const SerialPortEntry& entry : serialPortMap())
    if (entry.comNumber == comNumber) return entry.path;
  return std::nullopt;
}

void registerSerialPort(int comNumber, const QString& path) {
  checkComNumber(comNumber);
  QSettings map(portMapFile(), QSettings::IniFormat);
  map.setValue(comKey(comNumber), path);
  writeMap(map);
}

void unregisterSerialPort(int comNumber) {
  checkComNumber(comNumber);
  QSettings map(portMapFile(), QSettings::IniFormat);
  map.remove(comKey(comNumber));
  writeMap(map);
}
