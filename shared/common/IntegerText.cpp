#include "IntegerText.h"

#include "FeroxError.h"

std::int32_t parseInteger(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok) throw FeroxError(QStringLiteral("\"%1\" не является целым числом").arg(text));
  return value;
}
