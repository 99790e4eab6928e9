#include "ProgramVersion.h"

#include <QSysInfo>

QString programVersionText() {
  return QStringLiteral("%1.%2.%3.%4")
      .arg(PROBEX_VERSION_MAJOR)
      .arg(PROBEX_VERSION_MINOR)
      .arg(PROBEX_VERSION_RELEASE)
      .arg(PROBEX_VERSION_BUILD);
}

QString defaultCaption() {
  return QStringLiteral("Probex %1 (%2-bit)").arg(programVersionText()).arg(QSysInfo::WordSize);
}
