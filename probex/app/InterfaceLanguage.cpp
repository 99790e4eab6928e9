#include "InterfaceLanguage.h"

#include "FeroxError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString LanguageKey = QStringLiteral("Locale/Lang");

}  // namespace

namespace InterfaceLanguage {

QString read(const QString& localeIniPath) {
  QDir().mkpath(QFileInfo(localeIniPath).absolutePath());
  const QSettings file(localeIniPath, QSettings::IniFormat);
  if (file.status() != QSettings::NoError) return Russian;
  return file.value(LanguageKey).toString() == English ? English : Russian;
}

void write(const QString& localeIniPath, const QString& language) {
  QDir().mkpath(QFileInfo(localeIniPath).absolutePath());
  QSettings file(localeIniPath, QSettings::IniFormat);
  file.setValue(LanguageKey, language);
  file.sync();
  if (file.status() != QSettings::NoError)
    throw FeroxError(
        QStringLiteral("Не удалось сохранить язык интерфейса в файле \"%1\"").arg(localeIniPath));
}

}  // namespace InterfaceLanguage
