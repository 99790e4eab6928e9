#include "TableSchema.h"

// The settings tables of the register family. Names are what the device reports through
// GetTableStruct and GetFieldStruct; flags are 0 or 1; a text's size counts characters
// of the device's code page.
namespace {

constexpr std::int64_t U32 = 4294967295;

constexpr FieldSchema flag(const char16_t* name, std::int64_t defaultValue) {
  return numberField(name, 1, 0, 1, defaultValue);
}

const FieldSchema cashRegisterFields[] = {
    numberField(u"Номер кассы в магазине", 1, 1, 99, 1),
    flag(u"Звуковой сигнал при ошибке", 1),
    flag(u"Обнуление наличности при закрытии смены", 0),
    flag(u"Открывать денежный ящик при закрытии чека", 1),
    numberField(u"Отрезка чека (0 нет, 1 полная, 2 неполная)", 1, 0, 2, 1),
    flag(u"Печатать клише", 1),
    flag(u"Печатать рекламный текст", 1),
    flag(u"Печатать логотип", 0),
    numberField(u"Промотка перед отрезкой, строк", 1, 0, 20, 4),
    flag(u"Печатать необнуляемую сумму в отчете", 0),
    flag(u"Начисление налогов", 1),
    flag(u"Печатать налоги в чеке", 1),
    numberField(u"Строк клише", 1, 0, 14, 4),
    numberField(u"Строк рекламного текста", 1, 0, 14, 3),
    flag(u"Сжатый шрифт на контрольной ленте", 0),
    numberField(u"Формат печати чека", 1, 0, 3, 1),
    flag(u"Итог крупным шрифтом", 1),
    numberField(u"Межстрочный интервал, точек", 1, 0, 20, 3),
    flag(u"Печатать заголовок документа", 1),
    flag(u"Печатать номер кассира", 1),
    flag(u"Печатать имя кассира", 1),
    numberField(u"Округление суммы чека", 1, 0, 3, 0),
    flag(u"Открывать ящик при внесении и выплате", 1),
    flag(u"Контроль наличности в денежном ящике", 1),
    flag(u"Автоматическое открытие смены", 1),
    flag(u"Печатать дату и время", 1),
    flag(u"Печатать QR-код", 1),
    numberField(u"Масштаб QR-кода", 1, 1, 8, 4),
    numberField(u"Шаблон печати документов", 1, 0, 4, 4),
    numberField(u"Промотка после отрезки, строк", 1, 0, 10, 0),
};

const FieldSchema operatorFields[] = {
    {u"Пароль", FieldKind::Number, 4, 0, 99999999, 0, u"", true},
    textField(u"Имя", 21, u"Кассир %1"),
};
const RowDefault operatorNames[] = {
    {29, 2, 0, u"Администратор"},
    {30, 2, 0, u"Системный администратор"},
};

const FieldSchema paymentTypeFields[] = {textField(u"Наименование", 24, u"ТИП ОПЛАТЫ %1")};
const RowDefault paymentTypeNames[] = {
    {1, 1, 0, u"НАЛИЧНЫМИ"},
    {2, 1, 0, u"ЭЛЕКТРОННЫМИ"},
    {3, 1, 0, u"ПРЕДОПЛАТА (АВАНС)"},
    {4, 1, 0, u"ПОСТОПЛАТА (КРЕДИТ)"},
    {5, 1, 0, u"ВСТРЕЧНОЕ ПРЕДОСТАВЛЕНИЕ"},
};

const FieldSchema receiptTextFields[] = {
    textField(u"Текст", 48),
    numberField(u"Шрифт", 1, 1, 7, 1),
};
const RowDefault receiptTextDefaults[] = {
    {1, 1, 0, u"ВИРТУАЛЬНАЯ ККТ"},
    {12, 1, 0, u"СПАСИБО ЗА ПОКУПКУ!"},
};

const FieldSchema taxRateFields[] = {
    numberField(u"Ставка, сотые доли процента", 2, 0, 10000, 0),
    textField(u"Наименование", 16, u"НАЛОГ %1"),
};
const RowDefault taxRateDefaults[] = {
    {1, 1, 2000, u""},    {1, 2, 0, u"НДС 20%"},    {2, 1, 1000, u""}, {2, 2, 0, u"НДС 10%"},
    {3, 1, 2000, u""},    {3, 2, 0, u"НДС 20/120"}, {4, 1, 1000, u""}, {4, 2, 0, u"НДС 10/110"},
    {5, 2, 0, u"НДС 0%"}, {6, 2, 0, u"БЕЗ НДС"},
};

const FieldSchema departmentFields[] = {textField(u"Наименование", 24, u"ОТДЕЛ %1")};

const FieldSchema printerFields[] = {
    numberField(u"Скорость печати", 1, 1, 3, 2),
    numberField(u"Яркость печати", 1, 1, 15, 8),
    flag(u"Контроль температуры головки", 1),
    flag(u"Экономия ленты", 0),
};

constexpr FieldSchema fontOf(const char16_t* name, std::int64_t defaultValue = 1) {
  return numberField(name, 1, 1, 7, defaultValue);
}

const FieldSchema documentFontFields[] = {
    fontOf(u"Шрифт клише"),
    fontOf(u"Шрифт заголовка документа"),
    fontOf(u"Шрифт номера документа"),
    fontOf(u"Шрифт даты и времени"),
    fontOf(u"Шрифт кассира"),
    fontOf(u"Шрифт наименования товара"),
    fontOf(u"Шрифт количества и цены"),
    fontOf(u"Шрифт стоимости позиции"),
    fontOf(u"Шрифт налога позиции"),
    fontOf(u"Шрифт способа расчета"),
    fontOf(u"Шрифт предмета расчета"),
    fontOf(u"Шрифт скидок и надбавок"),
    fontOf(u"Шрифт подытога"),
    fontOf(u"Шрифт налогов чека"),
    fontOf(u"Шрифт типов оплаты"),
    fontOf(u"Шрифт сдачи"),
    fontOf(u"Шрифт реквизитов ФН"),
    fontOf(u"Шрифт итога", 2),
    fontOf(u"Шрифт адреса расчетов"),
    fontOf(u"Шрифт места расчетов"),
    fontOf(u"Шрифт сайта ФНС"),
    fontOf(u"Шрифт реквизитов ОФД"),
    fontOf(u"Шрифт почты отправителя"),
    fontOf(u"Шрифт подписи QR-кода", 5),
};

const FieldSchema drawerFields[] = {
    numberField(u"Длительность импульса, мс", 2, 10, 1000, 100),
    numberField(u"Номер разъема", 1, 1, 2, 1),
};

const FieldSchema serviceFields[] = {
    flag(u"Режим отладки", 0),
    flag(u"Тестовый прогон при включении", 0),
    numberField(u"Скорость порта отладки", 1, 0, 9, 6),
    flag(u"Контроль напряжения питания", 1),
    numberField(u"Порог напряжения питания, 0,1 В", 1, 100, 255, 200),
    flag(u"Энергосбережение", 0),
    flag(u"Узкая лента", 0),
    flag(u"Журнал событий", 1),
    flag(u"Перезагрузка при зависании", 1),
    numberField(u"Таймаут ответа ФН, с", 1, 1, 60, 30),
    numberField(u"Чувствительность датчика чековой ленты", 1, 0, 255, 130),
    numberField(u"Чувствительность датчика контрольной ленты", 1, 0, 255, 130),
    flag(u"Температурная компенсация", 1),
    flag(u"Обход ошибки ФН", 0),
    numberField(u"Журналирование (0 нет, 1 порт, 2 сеть, 3 SD)", 1, 0, 3, 0),
};

const FieldSchema cashCoreFields[] = {
    numberField(u"Скорость обмена с принтером", 1, 0, 9, 6),
    numberField(u"Тип внешнего принтера", 1, 0, 3, 0),
    numberField(u"Ширина печати принтера, символов", 1, 24, 72, 48),
    numberField(u"Версия ФФД", 1, 0, 4, 2),
    numberField(u"Таймаут ответа принтера, мс", 2, 100, 10000, 1000),
    numberField(u"Кодовая страница принтера", 1, 0, 3, 0),
    flag(u"Узкая лента", 0),
    flag(u"Печать на внешнем принтере", 1),
    flag(u"Работа без принтера", 0),
    numberField(u"Таймаут ответа ФН, с", 1, 1, 60, 30),
    numberField(u"Чувствительность датчика чековой ленты", 1, 0, 255, 130),
    flag(u"Контроль крышки принтера", 1),
    flag(u"Автоотрезка на внешнем принтере", 1),
    flag(u"Обход ошибки ФН", 0),
    numberField(u"Журналирование (0 нет, 1 порт, 2 сеть, 3 SD)", 1, 0, 3, 0),
    numberField(u"Протокол обмена с кассовой программой", 1, 0, 1, 0),
    numberField(u"Скорость обмена с кассовой программой", 1, 0, 9, 6),
    numberField(u"Таймаут обмена с кассовой программой, мс", 2, 0, 60000, 150),
    flag(u"Буферизация печати", 1),
    numberField(u"Размер буфера печати, строк", 2, 0, 1000, 200),
    flag(u"Печать копии документа", 0),
    flag(u"Контроль связи с принтером", 1),
    flag(u"Звуковой сигнал при ошибке", 1),
    flag(u"Автоматическое закрытие смены", 0),
    numberField(u"Время закрытия смены, ЧЧММ", 2, 0, 2359, 0),
    flag(u"Отправка в ОФД по расписанию", 0),
    numberField(u"Интервал отправки в ОФД, мин", 2, 1, 1440, 5),
    flag(u"Хранение документов до подтверждения", 1),
    numberField(u"Версия ФФД при регистрации", 1, 0, 4, 0),
    flag(u"Контроль наличности", 1),
    flag(u"Запрет работы без связи с ОФД", 0),
    flag(u"Кассовое ядро в автомате", 0),
};

const FieldSchema reportFields[] = {
    flag(u"Отчет по отделам", 1),
    flag(u"Отчет по кассирам", 1),
    flag(u"Почасовой отчет", 0),
    flag(u"Отчет по товарам", 0),
    flag(u"X-отчет перед закрытием смены", 0),
};

const FieldSchema nonFiscalDocumentFields[] = {
    flag(u"Печатать заголовок", 1),
    flag(u"Нумеровать документы", 1),
    numberField(u"Отрезка после документа (0 нет, 1 полная, 2 неполная)", 1, 0, 2, 1),
};

const FieldSchema memoryCardFields[] = {
    flag(u"Журналирование на карту", 0),
    numberField(u"Размер журнала, МБ", 2, 1, 4096, 64),
    flag(u"Печать с карты", 0),
};

const FieldSchema upgradeBoardFields[] = {
    numberField(u"Подключение к основной плате", 1, 0, 2, 0),
    numberField(u"Версия протокола платы", 1, 0, 255, 1),
};

const FieldSchema wirelessFields[] = {
    flag(u"Беспроводная сеть включена", 0),
    textField(u"Имя сети", 32),
    textField(u"Пароль сети", 64),
    flag(u"Режим точки доступа", 0),
};

constexpr FieldSchema octet(const char16_t* name, std::int64_t defaultValue) {
  return numberField(name, 1, 0, 255, defaultValue);
}

const FieldSchema networkFields[] = {
    flag(u"Статический IP-адрес", 0),
    numberField(u"Состояние получения адреса (10 получен)", 1, 0, 255, 10),
    octet(u"IP-адрес, байт 1", 127),
    octet(u"IP-адрес, байт 2", 0),
    octet(u"IP-адрес, байт 3", 0),
    octet(u"IP-адрес, байт 4", 1),
    octet(u"Маска подсети, байт 1", 255),
    octet(u"Маска подсети, байт 2", 0),
    octet(u"Маска подсети, байт 3", 0),
    octet(u"Маска подсети, байт 4", 0),
    octet(u"Шлюз, байт 1", 0),
    octet(u"Шлюз, байт 2", 0),
    octet(u"Шлюз, байт 3", 0),
    octet(u"Шлюз, байт 4", 0),
    octet(u"DNS-сервер, байт 1", 0),
    octet(u"DNS-сервер, байт 2", 0),
    octet(u"DNS-сервер, байт 3", 0),
    octet(u"DNS-сервер, байт 4", 0),
    flag(u"Клиент Socks5", 0),
    octet(u"Сервер Socks5, байт 1", 0),
    octet(u"Сервер Socks5, байт 2", 0),
    octet(u"Сервер Socks5, байт 3", 0),
    octet(u"Сервер Socks5, байт 4", 0),
    numberField(u"Порт Socks5", 2, 0, 65535, 1080),
};

const FieldSchema regionalFields[] = {
    flag(u"Работа с маркированными товарами", 1),
    numberField(u"Проверка кодов маркировки", 1, 0, 2, 1),
    numberField(u"Формат документов при регистрации", 1, 0, 4, 2),
    flag(u"Печать тегов в чеке", 0),
    flag(u"Печать предмета расчета", 1),
    flag(u"Печать способа расчета", 1),
    flag(u"Печать единицы измерения", 1),
    flag(u"Печать QR-кода", 1),
    flag(u"Печать сайта ФНС", 1),
    flag(u"Печать почты отправителя", 1),
    flag(u"Печать реквизитов ОФД", 1),
    numberField(u"Печать реквизитов пользователя (биты)", 4, 0, U32, 0),
    flag(u"Отправка чеков по почте", 0),
    flag(u"Печать чека, отправленного электронно", 1),
    flag(u"Контроль ставки НДС", 1),
    numberField(u"Округление налога", 1, 0, 2, 0),
    numberField(u"Версия ФФД", 1, 0, 4, 4),
    numberField(u"Форма печати чека", 1, 0, 6, 0),
    numberField(u"Знаков в цене", 1, 0, 3, 2),
    numberField(u"Знаков в количестве", 1, 0, 6, 3),
    flag(u"Печать кода товара", 0),
    flag(u"Печать GTIN", 0),
    flag(u"Печать результата проверки КМ", 1),
    numberField(u"Таймаут проверки КМ, с", 1, 1, 60, 10),
    flag(u"Проверка КМ без связи", 1),
    flag(u"Печать статуса КМ", 1),
    flag(u"Запрос КМ для всех позиций", 0),
    numberField(u"Минимизация электронной формы (биты)", 4, 0, U32, 0),
    flag(u"Уведомления о реализации КМ", 1),
    numberField(u"Интервал уведомлений, мин", 2, 1, 1440, 5),
    flag(u"Печать номера смены", 1),
    flag(u"Печать номера чека за смену", 1),
    flag(u"Печать сквозного номера", 1),
    flag(u"Печать номера ФД", 1),
    flag(u"Печать фискального признака", 1),
    flag(u"Печать регистрационного номера", 1),
    flag(u"Печать номера ФН", 1),
    flag(u"Печать ИНН пользователя", 1),
    flag(u"Печать системы налогообложения", 1),
    flag(u"Печать признака расчета", 1),
    flag(u"Печать НДС по ставкам", 1),
    flag(u"Печать суммы без НДС", 1),
    flag(u"Печать сдачи", 1),
    flag(u"Печать телефона покупателя", 1),
    flag(u"Печать наименования покупателя", 1),
    flag(u"Печать ИНН покупателя", 1),
    flag(u"Печать реквизитов агента", 1),
    flag(u"Печать реквизитов поставщика", 1),
    flag(u"Печать доп. реквизита чека", 1),
    flag(u"Печать доп. реквизита пользователя", 1),
    flag(u"Печать отраслевого реквизита", 1),
    flag(u"Печать операционного реквизита", 1),
    flag(u"Код товара в чеке коррекции", 0),
    flag(u"Разделители между позициями", 1),
    flag(u"Пустая строка перед итогом", 0),
    numberField(u"Форма печати отчетов", 1, 0, 6, 0),
    flag(u"Отчет о расчетах при закрытии смены", 0),
    flag(u"Счетчики в отчете о закрытии смены", 1),
    flag(u"Итоги ФН в отчете", 1),
    numberField(u"Напоминание о ресурсе ФН, дней", 1, 0, 90, 30),
    numberField(u"Напоминание о неотправленных, дней", 1, 0, 30, 5),
    flag(u"Блокировка при неотправленных", 0),
    flag(u"Контроль даты последнего документа", 1),
    flag(u"Синхронизация времени", 0),
    flag(u"Летнее время", 0),
    numberField(u"Часовая зона места расчетов", 1, 1, 11, 2),
};

const FieldSchema fiscalStorageFields[] = {
    numberField(u"Системы налогообложения", 1, 0, 63, 0),
    textField(u"ИНН пользователя", 12),
    textField(u"Регистрационный номер ККТ", 20),
    textField(u"Заводской номер ФН", 16),
    numberField(u"Режимы работы", 1, 0, 255, 0),
    numberField(u"Версия ФФД ФН", 1, 0, 4, 0),
    textField(u"Наименование пользователя", 256),
    textField(u"Кассир", 64),
    textField(u"Адрес расчетов", 256),
    textField(u"Наименование ОФД", 256),
    textField(u"Адрес сайта ОФД", 64),
    textField(u"ИНН ОФД", 12),
    textField(u"Адрес сайта ФНС", 64, u"www.nalog.gov.ru"),
    textField(u"Место расчетов", 256),
    textField(u"Почта отправителя чека", 64),
    numberField(u"Признаки агента", 1, 0, 127, 0),
    flag(u"Шифрование", 0),
    flag(u"Расчеты за услуги", 0),
    flag(u"Принтер в автомате", 0),
    flag(u"Проведение лотереи", 0),
    numberField(u"Расширенные режимы работы", 1, 0, 255, 0),
    numberField(u"Причины изменения сведений (биты)", 4, 0, U32, 0),
};

const FieldSchema ofdLinkFields[] = {
    textField(u"Сервер ОФД", 64),
    numberField(u"Порт ОФД", 2, 0, 65535, 0),
    numberField(u"Таймаут соединения с ОФД, с", 1, 1, 255, 30),
    numberField(u"Интервал опроса ОФД, с", 2, 1, 3600, 60),
    textField(u"Сервер ОИСМ", 64),
    numberField(u"Порт ОИСМ", 2, 0, 65535, 0),
};

const FieldSchema ofdExchangeFields[] = {
    numberField(u"Состояние соединения", 1, 0, 255, 0),
    numberField(u"Неотправленных документов", 4, 0, U32, 0),
    numberField(u"Первый неотправленный документ", 4, 0, U32, 0),
    textField(u"Дата первого неотправленного", 16),
    textField(u"Последний обмен с ОФД", 16),
    flag(u"Ошибка в ответе ОФД", 0),
    numberField(u"Код ответа ОФД", 1, 0, 255, 0),
    textField(u"Журнал обмена, строка 1", 64),
    textField(u"Журнал обмена, строка 2", 64),
    textField(u"Журнал обмена, строка 3", 64),
    textField(u"Журнал обмена, строка 4", 64),
    textField(u"Журнал обмена, строка 5", 64),
    textField(u"Журнал обмена, строка 6", 64),
    textField(u"Журнал обмена, строка 7", 64),
    textField(u"Журнал обмена, строка 8", 64),
    textField(u"Журнал обмена, строка 9", 64),
    textField(u"Журнал обмена, строка 10", 64),
};

const FieldSchema serverFields[] = {
    flag(u"Сервер включен", 1),
    numberField(u"Подключений не более", 1, 1, 8, 4),
    numberField(u"Таймаут простоя, с", 2, 0, 3600, 600),
    numberField(u"TCP-порт", 2, 1, 65535, 7778),
};

const FieldSchema monitoringFields[] = {
    flag(u"Мониторинг включен", 0),
    textField(u"Сервер мониторинга", 64),
    numberField(u"Порт мониторинга", 2, 0, 65535, 0),
    numberField(u"Интервал отправки, мин", 2, 1, 1440, 60),
};

const FieldSchema updateFields[] = {
    flag(u"Автоматическое обновление", 0),
    textField(u"Сервер обновлений", 64),
    numberField(u"Порт сервера обновлений", 2, 0, 65535, 0),
};

const FieldSchema automatFields[] = {
    textField(u"Номер автомата", 20),
    textField(u"Адрес установки", 256),
};

const TableSchema paymentTypesTable{u"Типы оплаты", 16, paymentTypeFields, paymentTypeNames};
const TableSchema receiptTextsTable{u"Клише и рекламный текст", 14, receiptTextFields,
                                    receiptTextDefaults};
const TableSchema taxRatesTable{u"Налоговые ставки", 6, taxRateFields, taxRateDefaults};
const TableSchema departmentsTable{u"Отделы", 16, departmentFields};
const TableSchema printerTable{u"Настройки принтера", 1, printerFields};
const TableSchema documentFontsTable{u"Шрифты документов", 1, documentFontFields};
const TableSchema drawerTable{u"Денежный ящик", 1, drawerFields};
const TableSchema serviceTable{u"Сервисные параметры", 1, serviceFields};
const TableSchema cashCoreTable{u"Параметры кассового ядра", 1, cashCoreFields};
const TableSchema reportsTable{u"Параметры отчетов", 1, reportFields};
const TableSchema nonFiscalDocumentsTable{u"Нефискальные документы", 1, nonFiscalDocumentFields};
const TableSchema memoryCardTable{u"Карта памяти", 1, memoryCardFields};
const TableSchema upgradeBoardTable{u"Устройство модернизации", 1, upgradeBoardFields};
const TableSchema wirelessTable{u"Беспроводная сеть", 1, wirelessFields};
const TableSchema networkTable{u"Сетевые параметры", 1, networkFields};
const TableSchema regionalTable{u"Региональные настройки", 1, regionalFields};
const TableSchema ofdExchangeTable{u"Состояние обмена с ОФД", 1, ofdExchangeFields};
const TableSchema serverTable{u"Встроенный сервер", 1, serverFields};
const TableSchema monitoringTable{u"Удаленный мониторинг", 1, monitoringFields};
const TableSchema updateTable{u"Обновление ПО", 1, updateFields};

}  // namespace

namespace tables {

const TableSchema cashRegister{u"Тип и режим кассы", 1, cashRegisterFields};
const TableSchema operators{u"Кассиры и администраторы", 30, operatorFields, operatorNames};
const TableSchema fiscalStorage{u"Фискальный накопитель", 1, fiscalStorageFields};
const TableSchema ofdLink{u"Параметры ОФД", 1, ofdLinkFields};
const TableSchema automat{u"Автомат", 1, automatFields};

}  // namespace tables

namespace {

// The table numbers 18, 19 and 24 of a printing register are where a cash core keeps other
// tables: programs find the fiscal storage, OFD and automat tables through model parameters.
const TableSchema* const printerRegisterTables[] = {
    &tables::cashRegister, &tables::operators,     &paymentTypesTable, &receiptTextsTable,
    &taxRatesTable,        &departmentsTable,      &printerTable,      &documentFontsTable,
    &drawerTable,          &serviceTable,          &reportsTable,      &nonFiscalDocumentsTable,
    &memoryCardTable,      &upgradeBoardTable,     &wirelessTable,     &networkTable,
    &regionalTable,        &tables::fiscalStorage, &tables::ofdLink,   &ofdExchangeTable,
    &serverTable,          &monitoringTable,       &updateTable,       &tables::automat,
};

const TableSchema* const cashCoreTables[] = {
    &tables::cashRegister,  &tables::operators, &paymentTypesTable, &receiptTextsTable,
    &taxRatesTable,         &departmentsTable,  &printerTable,      &documentFontsTable,
    &drawerTable,           &cashCoreTable,     &reportsTable,      &nonFiscalDocumentsTable,
    &tables::fiscalStorage, &upgradeBoardTable, &wirelessTable,     &tables::automat,
    &regionalTable,         &networkTable,      &tables::ofdLink,   &ofdExchangeTable,
    &serverTable,           &monitoringTable,   &updateTable,
};

}  // namespace

namespace layouts {

const TableLayout printerRegister{printerRegisterTables};
const TableLayout cashCore{cashCoreTables};

}  // namespace layouts
