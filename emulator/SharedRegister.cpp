#include "SharedRegister.h"

#include "VirtualRegister.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <map>
#include <mutex>

namespace {

// One spelling per folder, so that two paths to the same folder share one register.
QString folderKey(const QString& stateDir) {
  const QString canonical = QFileInfo(stateDir).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(QDir(stateDir).absolutePath()) : canonical;
}

}  // namespace

std::shared_ptr<VirtualRegister> sharedRegister(const QString& stateDir) {
  static std::mutex mutex;
  static std::map<QString, std::weak_ptr<VirtualRegister>> registers;
  std::lock_guard lock(mutex);
  QDir().mkpath(stateDir);
  const QString key = folderKey(stateDir);
  if (auto existing = registers[key].lock()) return existing;
  auto created = std::make_shared<VirtualRegister>(key);
  registers[key] = created;
  return created;
}

QString defaultStateDir() {
  const QString fromEnvironment = qEnvironmentVariable("FEROX_REGISTER_STATE");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Vortan/Ferox/VirtualRegister");
}
