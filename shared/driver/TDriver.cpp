#include "TDriver.h"

#include "DriverErrors.h"
#include "HexText.h"
#include "IntegerText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <mutex>

namespace {

// Tag value types of the fiscal data format, as the driver's TagType numbers them.
enum TagValueType : std::int32_t { TagByte = 0, TagVLN = 3, TagUnixTime = 6, TagString = 7 };

constexpr std::int32_t BusyResult80 = 80;
constexpr std::int32_t BusyResult75 = 75;
constexpr int PrintAttempts = 5;
constexpr unsigned long BusyWaitMs = 50;
constexpr std::int32_t UnknownFontWidth = 40;

bool isBusy(std::int32_t code) { return code == BusyResult80 || code == BusyResult75; }

// Lines as the driver's text printing sees them: split at CR LF, LF or CR; a final line
// break does not start another line.
QStringList splitLines(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
  QStringList lines = text.split(lineBreak);
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

void TDriver::Check(std::int32_t resultCode) {
  if (resultCode != 0) throw SilentAbort();
}

DriverValue TDriver::readModelParam(std::int32_t number) {
  setModelParamNumber(number);
  Check(ReadModelParamValue());
  return ModelParamValue();
}

std::int32_t TDriver::ReadIntParam(std::int32_t number) {
  return parseInteger(valueToText(readModelParam(number)));
}

bool TDriver::ReadBoolParam(std::int32_t number) {
  const DriverValue value = readModelParam(number);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  if (const auto* integer = std::get_if<std::int32_t>(&value)) return *integer == -1;
  return false;
}

bool TDriver::IsModelType2() {
  static constexpr std::int32_t type2Models[] = {16, 19, 20, 21, 27, 28, 29, 30, 32, 33,
                                                 34, 35, 36, 38, 39, 40, 41, 42, 45, 46};
  return std::ranges::find(type2Models, GetModelID()) != std::end(type2Models);
}

std::int32_t TDriver::CorrectTableNumber(std::int32_t table) {
  // Tables 18 and 19 sit at model-dependent numbers, given by model parameters 72 and 73.
  if (table == 18) return valueToInt(readModelParam(0x48));
  if (table == 19) return valueToInt(readModelParam(0x49));
  return table;
}

void TDriver::selectTableField(std::int32_t table, std::int32_t row, std::int32_t field) {
  setRowNumber(row);
  setTableNumber(CorrectTableNumber(table));
  setFieldNumber(field);
  Check(ReadTable());
}

std::int32_t TDriver::ReadTableInt(std::int32_t table, std::int32_t row, std::int32_t field) {
  selectTableField(table, row, field);
  return ValueOfFieldInteger();
}

QString TDriver::ReadTableStr(std::int32_t table, std::int32_t row, std::int32_t field) {
  selectTableField(table, row, field);
  return ValueOfFieldString();
}

std::int32_t TDriver::ReadTableDef(std::int32_t table, std::int32_t row, std::int32_t field,
                                   std::int32_t defaultValue) {
  setRowNumber(row);
  setTableNumber(table);
  setFieldNumber(field);
  if (ReadTable() != 0) return defaultValue;
  return ValueOfFieldInteger();
}

void TDriver::WriteTableInt(std::int32_t table, std::int32_t row, std::int32_t field,
                            std::int32_t value) {
  setTableNumber(table);
  setRowNumber(row);
  setFieldNumber(field);
  setValueOfFieldInteger(value);
  Check(WriteTable());
}

void TDriver::selectTag(std::int32_t tag, std::int32_t type) {
  setTagNumber(tag);
  setTagType(type);
}

void TDriver::AddTagByte(std::int32_t tag, std::int32_t value) {
  selectTag(tag, TagByte);
  setTagValueInt(value);
  Check(FNAddTag());
}

void TDriver::AddTagStr(std::int32_t tag, const QString& text) {
  selectTag(tag, TagString);
  setTagValueStr(text);
  Check(FNAddTag());
}

void TDriver::AddTagUnixTime(std::int32_t tag, const QDateTime& value) {
  selectTag(tag, TagUnixTime);
  setTagValueDateTime(value);
  Check(FNAddTag());
}

void TDriver::AddTagVLN(std::int32_t tag, const QString& text) {
  selectTag(tag, TagVLN);
  setTagValueVLN(text);
  Check(FNAddTag());
}

void TDriver::BeginSTLVTag(std::int32_t tag) {
  setTagNumber(tag);
  Check(FNBeginSTLVTag());
}

void TDriver::SendSTLVTag(std::int32_t tag) {
  setTagNumber(tag);
  Check(FNSendSTLVTag());
}

void TDriver::SendSTLVTagOperation(std::int32_t tag) {
  setTagNumber(tag);
  Check(FNSendSTLVTagOperation());
}

void TDriver::SendTagStr(std::int32_t tag, const QString& text) {
  selectTag(tag, TagString);
  setTagValueStr(text);
  Check(FNSendTag());
}

void TDriver::SendTagStrOperation(std::int32_t tag, const QString& text) {
  selectTag(tag, TagString);
  setTagValueStr(text);
  Check(FNSendTagOperation());
}

void TDriver::SendTagUnixTime(std::int32_t tag, const QDateTime& value) {
  selectTag(tag, TagUnixTime);
  setTagValueDateTime(value);
  Check(FNSendTag());
}

void TDriver::SendTagUnixTimeOperation(std::int32_t tag, const QDateTime& value) {
  selectTag(tag, TagUnixTime);
  setTagValueDateTime(value);
  Check(FNSendTagOperation());
}

QString TDriver::AmountToStr(Currency amount) {
  const std::int64_t scaled = amount.scaled();
  if (!PointPosition()) return QString::number(scaled / Currency::Scale);
  // Two decimals, rounded half away from zero on the exact amount: no binary rounding.
  constexpr std::int64_t hundredth = Currency::Scale / 100;
  const std::uint64_t magnitude =
      scaled < 0 ? std::uint64_t(0) - std::uint64_t(scaled) : std::uint64_t(scaled);
  const std::uint64_t cents = (magnitude + hundredth / 2) / hundredth;
  return QStringLiteral("%1%2%3%4")
      .arg(scaled < 0 && cents != 0 ? QStringLiteral("-") : QString())
      .arg(cents / 100)
      .arg(QLocale().decimalPoint())
      .arg(cents % 100, 2, 10, QLatin1Char('0'));
}

std::int32_t TDriver::GetPrintStringWidth(std::int32_t font) {
  const std::int32_t savedPassword = Password();
  struct PasswordRestore {
    TDriver& driver;
    std::int32_t password;
    ~PasswordRestore() { driver.setPassword(password); }
  } restore{*this, savedPassword};
  setPassword(SysAdminPassword());
  setFontType(font);
  Check(GetFontMetrics());
  const std::int32_t charWidth = CharWidth();
  if (charWidth == 0) return UnknownFontWidth;
  return PrintWidth() / charWidth;
}

void TDriver::PrintText(const QString& text, std::int32_t font) {
  if (font == 0) {
    setStringForPrinting(text);
    Check(PrintStringWithWrap());
    return;
  }
  std::int32_t width = GetPrintStringWidth(font);
  // A model that reports no printable width would otherwise never shorten the line.
  if (width <= 0) width = UnknownFontWidth;
  for (QString line : splitLines(text)) {
    do {
      setStringForPrinting(line.left(width));
      std::int32_t result = 0;
      for (int attempt = 1; attempt <= PrintAttempts; ++attempt) {
        setFontType(font);
        result = PrintStringWithFont();
        if (!isBusy(result)) break;
        QThread::msleep(BusyWaitMs);
      }
      Check(result);
      line.remove(0, width);
    } while (!line.isEmpty());
  }
}

std::int32_t TDriver::SendCommand(const QByteArray& command) {
  setBinaryConversion(1);
  setTransferBytes(bytesToHexText(command));
  return ExchangeBytes();
}

std::int32_t TDriver::SendCommand(const QByteArray& command, QByteArray& answer) {
  const std::int32_t result = SendCommand(command);
  answer = hexTextToBytes(TransferBytes());
  return result;
}

namespace {

std::mutex driverMutex;
std::unique_ptr<TDriver> driverObject;

}  // namespace

TDriver& Driver() {
  const std::lock_guard lock(driverMutex);
  if (!driverObject) {
    try {
      driverObject = std::make_unique<TDriver>();
    } catch (const FeroxError& error) {
      throw DriverCallError(QStringLiteral("Ошибка создания объекта драйвера: ") +
                            error.message());
    } catch (const std::exception& error) {
      throw DriverCallError(QStringLiteral("Ошибка создания объекта драйвера: ") +
                            QString::fromLocal8Bit(error.what()));
    }
  }
  return *driverObject;
}

void FreeDriver() {
  std::unique_ptr<TDriver> released;
  const std::lock_guard lock(driverMutex);
  released = std::move(driverObject);
}

bool DriverExists() {
  const std::lock_guard lock(driverMutex);
  return driverObject != nullptr;
}
