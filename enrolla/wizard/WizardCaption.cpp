#include "WizardCaption.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace Enrolla {

QString wizardVersionText() {
  return QStringLiteral("%1.%2.%3.%4")
      .arg(ENROLLA_VERSION_MAJOR)
      .arg(ENROLLA_VERSION_MINOR)
      .arg(ENROLLA_VERSION_RELEASE)
      .arg(ENROLLA_VERSION_BUILD);
}

bool isX5Mode(const QString& programFolder) {
  return QFileInfo(QDir(programFolder).filePath(QStringLiteral("X5.ini"))).isFile();
}

QString wizardCaption(bool x5Mode) {
  const QString caption =
      QStringLiteral("Enrolla %1 (%2-bit)").arg(wizardVersionText()).arg(QSysInfo::WordSize);
  return x5Mode ? caption + QStringLiteral(" [X5]") : caption;
}

}  // namespace Enrolla
