#pragma once

#include "Currency.h"
#include "TFerox.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The test program's one driver object: the typed control wrapper plus the helpers every
// page needs. Pages reach it through Driver() each time and never keep a reference.
class TDriver : public TFerox {
 public:
  TDriver() = default;
  explicit TDriver(std::unique_ptr<IFerox> control) : TFerox(std::move(control)) {}

  // Throws SilentAbort for any code but 0.
  static void Check(std::int32_t resultCode);

  std::int32_t ReadIntParam(std::int32_t number);
  bool ReadBoolParam(std::int32_t number);
  bool IsModelType2();
  std::int32_t CorrectTableNumber(std::int32_t table);

  std::int32_t ReadTableInt(std::int32_t table, std::int32_t row, std::int32_t field);
  QString ReadTableStr(std::int32_t table, std::int32_t row, std::int32_t field);
  std::int32_t ReadTableDef(std::int32_t table, std::int32_t row, std::int32_t field,
                            std::int32_t defaultValue);
  void WriteTableInt(std::int32_t table, std::int32_t row, std::int32_t field,
                     std::int32_t value);

  void AddTagByte(std::int32_t tag, std::int32_t value);
  void AddTagStr(std::int32_t tag, const QString& text);
  void AddTagUnixTime(std::int32_t tag, const QDateTime& value);
  void AddTagVLN(std::int32_t tag, const QString& text);
  void BeginSTLVTag(std::int32_t tag);
  void SendSTLVTag(std::int32_t tag);
  void SendSTLVTagOperation(std::int32_t tag);
  void SendTagStr(std::int32_t tag, const QString& text);
  void SendTagStrOperation(std::int32_t tag, const QString& text);
  void SendTagUnixTime(std::int32_t tag, const QDateTime& value);
  void SendTagUnixTimeOperation(std::int32_t tag, const QDateTime& value);

  QString AmountToStr(Currency amount);
  std::int32_t GetPrintStringWidth(std::int32_t font);
  void PrintText(const QString& text, std::int32_t font);

  std::int32_t SendCommand(const QByteArray& command);
  std::int32_t SendCommand(const QByteArray& command, QByteArray& answer);

  // Model parameters, each one number of the driver's model parameter list.
  bool CapJrnSensor() { return ReadBoolParam(1); }
  bool CapJrnOpticalSensor() { return ReadBoolParam(2); }
  bool CapJrnLeverSensor() { return ReadBoolParam(3); }
  bool CapRecSensor() { return ReadBoolParam(4); }
  bool CapRecOpticalSensor() { return ReadBoolParam(5); }
  bool CapRecLeverSensor() { return ReadBoolParam(6); }
  bool CapSlpDocumentHiSensor() { return ReadBoolParam(7); }
  bool CapSlpDocumentLoSensor() { return ReadBoolParam(8); }
  bool CapCoverSensor() { return ReadBoolParam(9); }
  bool CapEKLZOverflowSensor() { return ReadBoolParam(10); }
  bool CapTaxCalc() { return ReadBoolParam(11); }
  std::int32_t TaxCalcField() { return ReadIntParam(12); }
  bool CapCashDrawerAsPresenter() { return ReadBoolParam(13); }
  bool CapCashDrawerSensor() { return ReadBoolParam(14); }
  bool CapPrsPaperInSensor() { return ReadBoolParam(15); }
  bool CapPrsPaperOutSensor() { return ReadBoolParam(16); }
  bool CapPresenter() { return ReadBoolParam(17); }
  bool CapPresenterCommands() { return ReadBoolParam(18); }
  bool CapBillAcceptor() { return ReadBoolParam(19); }
  bool CapSlip() { return ReadBoolParam(20); }
  bool CapNonfiscalDocument() { return ReadBoolParam(21); }
  bool CapJournal() { return ReadBoolParam(22); }
  bool CapTaxKeyboard() { return ReadBoolParam(23); }
  std::int32_t Font1Width() { return ReadIntParam(24); }
  std::int32_t Font2Width() { return ReadIntParam(25); }
  bool SwapLineBytes() { return ReadBoolParam(26); }
  std::int32_t FirstDrawLine() { return ReadIntParam(27); }
  bool CapCashCore() { return ReadBoolParam(28); }
  std::int32_t InnDigitCount() { return ReadIntParam(29); }
  std::int32_t RnmDigitCount() { return ReadIntParam(30); }
  std::int32_t GetModelID() { return ReadIntParam(32); }
  bool CapEJournal() { return ReadBoolParam(34); }
  bool GetCapEJournal() { return ReadBoolParam(34); }
  bool CapCutterPresent() { return ReadBoolParam(35); }
  std::int32_t DefaultTaxPassword() { return ReadIntParam(36); }
  std::int32_t DefaultSysPassword() { return ReadIntParam(37); }
  std::int32_t LongRnmDigitCount() { return ReadIntParam(38); }
  std::int32_t LongSerialDigitCount() { return ReadIntParam(39); }
  bool CapTaxPasswordLock() { return ReadBoolParam(40); }
  bool CapInnLeadingZeros() { return ReadBoolParam(41); }
  bool CapRnmLeadingZeros() { return ReadBoolParam(42); }
  bool CapAltProtocol() { return ReadBoolParam(44); }
  bool CapWrapNonFiscalString() { return ReadBoolParam(45); }
  bool CapWrapWithFontNonFiscapString() { return ReadBoolParam(46); }
  bool CapWrapFiscalString() { return ReadBoolParam(47); }
  bool CapWrapWithFontFiscalString() { return ReadBoolParam(48); }
  bool CapChiefCashier() { return ReadBoolParam(49); }
  bool CapLastPrintResult() { return ReadBoolParam(50); }
  bool CapLoadBlockGraphics() { return ReadBoolParam(51); }
  bool CapErrorDescription() { return ReadBoolParam(52); }
  std::int32_t MaxCmdLength() { return ReadIntParam(53); }
  bool CapPrintFlagsGraphics() { return ReadBoolParam(54); }
  std::int32_t MaxLineWidth() { return ReadIntParam(55); }
  bool CapSKNO() { return ReadBoolParam(57); }
  bool CapFN() { return ReadBoolParam(71); }
  std::int32_t FSTableNumber() { return ReadIntParam(72); }

 private:
  // Reads the model parameter's value with ModelParamNumber and ReadModelParamValue.
  DriverValue readModelParam(std::int32_t number);
  void selectTableField(std::int32_t table, std::int32_t row, std::int32_t field);
  // Sets TagNumber and TagType ahead of the tag's value.
  void selectTag(std::int32_t tag, std::int32_t type);
};

// The process-wide driver object, created on first use. Creation failures throw
// DriverCallError prefixed "Ошибка создания объекта драйвера: " and leave no object,
// so the next call tries again.
TDriver& Driver();
void FreeDriver();
bool DriverExists();
