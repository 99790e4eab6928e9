#include "ResultCodes.h"

#include <map>

namespace {

const std::map<std::int32_t, const char16_t*> descriptions = {
    {result::Ok, u"Ошибок нет"},
    {result::NoConnection, u"Нет связи"},
    {result::PortUnavailable, u"Порт недоступен"},
    {result::PortBusy, u"Порт занят другим приложением"},
    {result::BadAnswer, u"Неверный ответ устройства"},
    {result::InvalidSetting, u"Недопустимое значение параметра связи"},
    {result::InvalidParameters, u"Некорректные параметры в команде"},
    {result::NotSupported, u"Команда не поддерживается в данной реализации ККТ"},
    {result::PrinterBusy75, u"Ожидание окончания печати"},
    {result::PrinterBusy80, u"Идет печать предыдущей команды"},
    {result::NoSuchTableItem, u"Таблица, ряд или поле не существует"},
};

}  // namespace

QString resultCodeDescription(std::int32_t code) {
  const auto found = descriptions.find(code);
  if (found != descriptions.end()) return QString::fromUtf16(found->second);
  return QStringLiteral("Неизвестная ошибка (%1)").arg(code);
}
