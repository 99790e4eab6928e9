#include "FieldValues.h"

QString invalidFieldMessage(const QString& fieldName) {
  return QStringLiteral("Некорректное значение в поле \"%1\"").arg(fieldName);
}
