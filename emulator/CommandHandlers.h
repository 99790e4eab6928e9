#pragma once

#include "DeviceCall.h"

// The register's commands, one function each, grouped by the file that implements them.
// Each checks its inputs and the device's state, changes the state and answers a code.
// Passwords and modes are checked before a handler runs (CommandTable.cpp).

namespace status_commands {
std::int32_t getECRStatus(Device& device, Call& call);
std::int32_t getShortECRStatus(Device& device, Call& call);
}  // namespace status_commands

namespace model_commands {
std::int32_t getDeviceMetrics(Device& device, Call& call);
std::int32_t readModelParam(Device& device, Call& call);
std::int32_t readModelParamValue(Device& device, Call& call);
std::int32_t getFontMetrics(Device& device, Call& call);
std::int32_t readSerialNumber(Device& device, Call& call);
std::int32_t readErrorDescription(Device& device, Call& call);
}  // namespace model_commands

namespace clock_commands {
std::int32_t setDate(Device& device, Call& call);
std::int32_t confirmDate(Device& device, Call& call);
std::int32_t setTime(Device& device, Call& call);
}  // namespace clock_commands

namespace table_commands {
std::int32_t getTableStruct(Device& device, Call& call);
std::int32_t getFieldStruct(Device& device, Call& call);
std::int32_t readTable(Device& device, Call& call);
std::int32_t writeTable(Device& device, Call& call);
std::int32_t initTable(Device& device, Call& call);
}  // namespace table_commands

namespace printer_commands {
std::int32_t printString(Device& device, Call& call);
std::int32_t printStringWithFont(Device& device, Call& call);
std::int32_t printStringWithWrap(Device& device, Call& call);
std::int32_t printWideString(Device& device, Call& call);
std::int32_t feedDocument(Device& device, Call& call);
std::int32_t cutCheck(Device& device, Call& call);
std::int32_t waitForPrinting(Device& device, Call& call);
std::int32_t continuePrint(Device& device, Call& call);
std::int32_t beep(Device& device, Call& call);
}  // namespace printer_commands

namespace service_commands {
std::int32_t getExchangeParam(Device& device, Call& call);
std::int32_t setExchangeParam(Device& device, Call& call);
std::int32_t setSCPassword(Device& device, Call& call);
std::int32_t resetECR(Device& device, Call& call);
std::int32_t rebootKKT(Device& device, Call& call);
std::int32_t resetSettings(Device& device, Call& call);
}  // namespace service_commands
