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
    {result::WaitTimedOut, u"Истекло время ожидания"},
    {result::InvalidParameters, u"Некорректные параметры в команде"},
    {result::NotSupported, u"Команда не поддерживается в данной реализации ККТ"},
    {result::PrinterBusy75, u"Ожидание окончания печати"},
    {result::WrongPassword, u"Неверный пароль"},
    {result::PrinterBusy80, u"Идет печать предыдущей команды"},
    {result::ContinuePrintExpected, u"Ожидание команды продолжения печати"},
    {result::NoSuchTableItem, u"Таблица, ряд или поле не существует"},
    {result::FieldValueOutOfRange, u"Значение поля вне допустимого диапазона"},
    {result::FieldTextTooLong, u"Длина текста больше размера поля"},
    {result::FieldValueNotNumber, u"Значение числового поля не является числом"},
    {result::TextOutsideCodePage, u"Текст содержит символы вне кодовой страницы ККТ"},
    {result::NoReceiptPaper, u"Нет чековой ленты"},
    {result::NoJournalPaper, u"Нет контрольной ленты"},
    {result::CoverOpen, u"Открыта крышка корпуса"},
    {result::PrinterFault, u"Неисправность печатающего механизма"},
    {result::StorageFailure, u"Ошибка энергонезависимой памяти ККТ"},
    {result::WrongMode, u"Команда не поддерживается в данном режиме"},
    {result::InvalidDate, u"Некорректная дата"},
    {result::InvalidTime, u"Некорректное время"},
    {result::DateMismatch, u"Подтверждаемая дата не совпадает с введенной"},
    {result::DateNotEntered, u"Дата не вводилась: подтверждать нечего"},
};

}  // namespace

QString resultCodeDescription(std::int32_t code) {
  const auto found = descriptions.find(code);
  if (found != descriptions.end()) return QString::fromUtf16(found->second);
  return QStringLiteral("Неизвестная ошибка (%1)").arg(code);
}
