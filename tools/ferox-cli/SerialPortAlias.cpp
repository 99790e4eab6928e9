#include "SerialPortAlias.h"

#include "FeroxError.h"
#include "PortMap.h"

#include <QFileInfo>

#include <optional>

namespace {

QString canonical(const QString& path) {
  const QString resolved = QFileInfo(path).canonicalFilePath();
  return resolved.isEmpty() ? path : resolved;
}

std::optional<int> knownComNumber(const QString& path) {
  const QString wanted = canonical(path);
  for (const SerialPortEntry& entry : serialPortMap())
    if (canonical(entry.path) == wanted) return entry.comNumber;
  return std::nullopt;
}

int firstFreeComNumber() {
  int number = MinComNumber;
  for (const SerialPortEntry& entry : serialPortMap())
    if (entry.comNumber == number) ++number;
  return number;
}

}  // namespace

SerialPortAlias::SerialPortAlias(const QString& path) {
  if (const auto known = knownComNumber(path)) {
    comNumber_ = *known;
    return;
  }
  temporaryMapFolder_ = std::make_unique<QTemporaryDir>();
  if (!temporaryMapFolder_->isValid())
    throw FeroxError(QStringLiteral("Не удалось создать временную карту портов для %1").arg(path));
  qputenv("FEROX_PORT_MAP",
          temporaryMapFolder_->filePath(QStringLiteral("ports.ini")).toLocal8Bit());
  comNumber_ = firstFreeComNumber();
  registerSerialPort(comNumber_, path);
}
