#include "ModelParams.h"

#include "ModelProfile.h"
#include "PrinterFonts.h"
#include "TableSchema.h"

#include <algorithm>

namespace {

using Profile = const ModelProfile&;

template <bool Flag>
DriverValue always(Profile) {
  return Flag;
}

template <std::int32_t Number>
DriverValue number(Profile) {
  return Number;
}

DriverValue hasJournal(Profile p) { return p.hasJournal; }

std::int32_t charsPerLine(Profile p, int font) { return p.printWidth / findFont(font)->charWidth; }

// The count follows the operator table.
DriverValue operatorCount(Profile) { return std::int32_t(tables::operators.rows); }

const ModelParam params[] = {
    {1, u"Датчик контрольной ленты", hasJournal},
    {2, u"Оптический датчик контрольной ленты", hasJournal},
    {3, u"Датчик рычага контрольной ленты", hasJournal},
    {4, u"Датчик чековой ленты", always<true>},
    {5, u"Оптический датчик чековой ленты", always<true>},
    {6, u"Датчик рычага чековой ленты", always<true>},
    {7, u"Верхний датчик подкладного документа", always<false>},
    {8, u"Нижний датчик подкладного документа", always<false>},
    {9, u"Датчик крышки корпуса", always<true>},
    {10, u"Датчик заполнения ЭКЛЗ", always<false>},
    {11, u"Начисление налогов", always<true>},
    {12, u"Поле начисления налогов в таблице 1", number<11>},
    {13, u"Денежный ящик как презентер", always<false>},
    {14, u"Датчик денежного ящика", always<true>},
    {15, u"Датчик бумаги на входе презентера", always<false>},
    {16, u"Датчик бумаги на выходе презентера", always<false>},
    {17, u"Презентер", always<false>},
    {18, u"Команды презентера", always<false>},
    {19, u"Купюроприемник", always<false>},
    {20, u"Подкладной документ", always<false>},
    {21, u"Нефискальные документы", always<false>},
    {22, u"Контрольная лента", hasJournal},
    {23, u"Клавиатура налогового инспектора", always<false>},
    {24, u"Символов в строке шрифта 1",
     [](Profile p) -> DriverValue { return charsPerLine(p, 1); }},
    {25, u"Символов в строке шрифта 2",
     [](Profile p) -> DriverValue { return charsPerLine(p, 2); }},
    {26, u"Перестановка байтов графической линии", always<false>},
    {27, u"Первая линия графики", number<1>},
    {28, u"Кассовое ядро", [](Profile p) -> DriverValue { return p.cashCore; }},
    {29, u"Цифр в ИНН", number<12>},
    {30, u"Цифр в регистрационном номере", number<10>},
    {31, u"Кассиров и администраторов", operatorCount},
    {32, u"Идентификатор модели", [](Profile p) -> DriverValue { return std::int32_t(p.modelId); }},
    {34, u"Электронный журнал", always<false>},
    {35, u"Отрезчик", [](Profile p) -> DriverValue { return p.hasCutter; }},
    {36, u"Пароль налогового инспектора по умолчанию", number<0>},
    {37, u"Пароль системного администратора по умолчанию", number<30>},
    {38, u"Цифр в длинном регистрационном номере", number<16>},
    {39, u"Цифр в длинном заводском номере", number<20>},
    {40, u"Блокировка по паролю налогового инспектора", always<false>},
    {41, u"Ведущие нули в ИНН", always<true>},
    {42, u"Ведущие нули в регистрационном номере", always<true>},
    {44, u"Альтернативный протокол", always<false>},
    {45, u"Перенос нефискальной строки", always<true>},
    {46, u"Перенос нефискальной строки шрифтом", always<true>},
    {47, u"Перенос фискальной строки", always<false>},
    {48, u"Перенос фискальной строки шрифтом", always<false>},
    {49, u"Старший кассир", always<true>},
    {50, u"Результат последней печати", always<true>},
    {51, u"Загрузка графики блоками", always<false>},
    {52, u"Описания ошибок", always<true>},
    {53, u"Наибольшая длина команды, байт", number<256>},
    {54, u"Флаги печати графики", always<false>},
    {55, u"Наибольшая ширина линии, байт",
     [](Profile p) -> DriverValue { return std::int32_t(p.printWidth / 8); }},
    {57, u"СКНО", always<false>},
    {71, u"Фискальный накопитель", always<true>},
    {72, u"Номер таблицы фискального накопителя",
     [](Profile p) -> DriverValue {
       return std::int32_t(tableNumberOf(p.tables, tables::fiscalStorage));
     }},
    {73, u"Номер таблицы ОФД",
     [](Profile p) -> DriverValue {
       return std::int32_t(tableNumberOf(p.tables, tables::ofdLink));
     }},
    {75, u"Номер таблицы автомата",
     [](Profile p) -> DriverValue {
       return std::int32_t(tableNumberOf(p.tables, tables::automat));
     }},
};

}  // namespace

std::span<const ModelParam> modelParams() { return params; }

const ModelParam* findModelParam(int number) {
  const auto found = std::ranges::find(params, number, &ModelParam::number);
  return found == std::end(params) ? nullptr : &*found;
}
