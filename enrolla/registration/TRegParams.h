#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

namespace Enrolla {

// A bit set or code not chosen yet.
inline constexpr std::uint8_t NotSetByte = 255;
inline constexpr std::int32_t NotSetCode = 255;

// The registration data the wizard gathers page by page and the registration writes into
// the register in one go; afterwards it holds what the fiscal storage signed.
struct TRegParams {
  bool FirstTime = false;   // registration of a new register, not a re-registration
  bool OFDEnabled = false;  // the model has the OFD connection table
  bool NewFN = false;       // re-registration with a new fiscal storage
  QString INN;
  QString RNM;
  QString User;
  QString Cashier;
  QString Address;
  std::uint8_t TaxSystem = NotSetByte;
  std::uint8_t Agent = NotSetByte;
  std::uint8_t WorkMode = NotSetByte;
  std::uint8_t WorkModeEx = NotSetByte;
  QString AutomatNumber;
  std::int32_t ReasonCode = NotSetCode;
  std::int32_t FFD = NotSetCode;
  QString TaxOfficeURL;
  QString SenderEmail;
  QString PayPlace;
  QString OFDName;
  QString OFDUrl;
  QString OFDINN;
  QString OFDServer;
  std::int32_t OFDPort = 0;
  QString CashierINN;
  QString X5FactoryCode;
  std::int32_t DocType = 0;
  bool PrinterInAutomat = false;
  QString FNSerial;
  QString KKTSerial;
  QDateTime DateTime;
  std::int32_t DocNumber = 0;
  QString FiscalSign;
  QString VersionKKT;
  bool LotterySign = false;
  bool GameSign = false;
  bool ExciseSign = false;
  bool DeliveryTradeSign = false;
  bool PayTerminalSign = false;
  std::uint32_t ReasonCodesEx = 0;
  QString ServerKM;
  std::int32_t PortKM = 0;
};

}  // namespace Enrolla
