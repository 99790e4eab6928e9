#include "ProbexPaths.h"

#include "FeroxError.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString SettingsOrganisation = QStringLiteral("Kelvara");
const QString SettingsKey = QStringLiteral("Tests/Ferox/A4/Param");
const QString DriverFolder = QStringLiteral("Vortan/Ferox");

QString besideTheProgram(const QString& name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

}  // namespace

ProbexPaths::ProbexPaths() : FCatalogueFolder(besideTheProgram(QStringLiteral("locale"))) {}

ProbexPaths::ProbexPaths(const QString& profileFolder) : ProbexPaths() {
  FProfileFolder = QDir(profileFolder).absolutePath();
}

ProbexPaths ProbexPaths::forProfile(const QString& folder) {
  if (folder.isEmpty()) return {};
  if (!QDir().mkpath(folder))
    throw FeroxError(QStringLiteral("Не удалось создать папку профиля \"%1\"").arg(folder));
  return ProbexPaths(folder);
}

std::unique_ptr<QSettings> ProbexPaths::openSettings() const {
  if (FProfileFolder.isEmpty())
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       SettingsOrganisation, SettingsKey);
  return std::make_unique<QSettings>(
      QDir(FProfileFolder).filePath(SettingsOrganisation + '/' + SettingsKey + ".ini"),
      QSettings::IniFormat);
}

void ProbexPaths::commitSettings(QSettings& settings) {
  settings.sync();
  if (settings.status() != QSettings::NoError)
    throw FeroxError(
        QStringLiteral("Не удалось сохранить настройки в \"%1\"").arg(settings.fileName()));
}

QString ProbexPaths::localeIniPath() const {
  const QString base = FProfileFolder.isEmpty()
                           ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           : FProfileFolder;
  return QDir(base).filePath(DriverFolder + QStringLiteral("/locale.ini"));
}
