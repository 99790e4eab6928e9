#include "FeroxPaths.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

QString feroxSettingsDir() {
  const QString overridden = qEnvironmentVariable("FEROX_SETTINGS_DIR");
  if (!overridden.isEmpty()) return overridden;
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Vortan/Ferox");
}

QString feroxSettingsFile() { return feroxSettingsDir() + QStringLiteral("/ferox.ini"); }

QString portMapFile() {
  const QString overridden = qEnvironmentVariable("FEROX_PORT_MAP");
  if (!overridden.isEmpty()) return overridden;
  return feroxSettingsDir() + QStringLiteral("/ports.ini");
}

QString portLockDir() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) return runtime + QStringLiteral("/ferox-locks");
  return QDir::tempPath() + QStringLiteral("/ferox-locks-%1").arg(getuid());
}
