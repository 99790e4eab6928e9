#pragma once

#include <QString>

#include <cstdint>

// The one catalogue of result codes shared by the control and the virtual register:
// 0 is success, positive codes are the device's errors, negative codes are failures of
// the link between the control and the device.
namespace result {

constexpr std::int32_t Ok = 0;

// The link.
constexpr std::int32_t NoConnection = -1;     // the device does not answer in time
constexpr std::int32_t PortUnavailable = -2;  // the port or host cannot be opened
constexpr std::int32_t PortBusy = -3;         // another program holds the port
constexpr std::int32_t BadAnswer = -4;        // the answer is malformed or out of turn
constexpr std::int32_t InvalidSetting = -5;   // a connection setting is out of range
constexpr std::int32_t WaitTimedOut = -6;     // what a wait waited for did not come in time

// The device.
constexpr std::int32_t InvalidParameters = 51;
constexpr std::int32_t NotSupported = 55;
constexpr std::int32_t PrinterBusy75 = 75;
constexpr std::int32_t WrongPassword = 79;
constexpr std::int32_t PrinterBusy80 = 80;
constexpr std::int32_t ContinuePrintExpected = 88;  // paper is back after a stopped print
constexpr std::int32_t NoSuchTableItem = 93;
constexpr std::int32_t FieldValueOutOfRange = 94;
constexpr std::int32_t FieldTextTooLong = 95;
constexpr std::int32_t FieldValueNotNumber = 96;
constexpr std::int32_t TextOutsideCodePage = 97;
constexpr std::int32_t NoReceiptPaper = 107;
constexpr std::int32_t NoJournalPaper = 108;
constexpr std::int32_t CoverOpen = 109;
constexpr std::int32_t PrinterFault = 110;
constexpr std::int32_t StorageFailure = 113;  // the register's state cannot be read or written
constexpr std::int32_t WrongMode = 115;
constexpr std::int32_t InvalidDate = 190;
constexpr std::int32_t InvalidTime = 191;
constexpr std::int32_t DateMismatch = 192;    // the confirmed date differs from the one entered
constexpr std::int32_t DateNotEntered = 193;  // a confirmation with no date waiting for it

}  // namespace result

// The Russian description of a code; unknown codes get "Неизвестная ошибка" with the code.
QString resultCodeDescription(std::int32_t code);
