#include "FieldValues.h"

#include "FeroxError.h"

QString invalidFieldMessage(const QString& fieldName) {
  return QStringLiteral("Некорректное значение в поле \"%1\"").arg(fieldName);
}

std::int32_t parseInteger(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok) throw FeroxError(QStringLiteral("\"%1\" не является целым числом").arg(text));
  return value;
}
