#include "CommandTable.h"

#include "CommandHandlers.h"

#include <algorithm>

namespace {

using enum Access;
constexpr mode::Mask Any = mode::any;
constexpr mode::Mask Idle = mode::only({mode::ShiftClosed});
constexpr mode::Mask DateEntry = mode::only({mode::ShiftClosed, mode::DateEntered});

const Command table[] = {
    {"Beep", Operator, Any, printer_commands::beep},
    {"ConfirmDate", SystemAdministrator, Any, clock_commands::confirmDate},
    {"ContinuePrint", Operator, Any, printer_commands::continuePrint},
    {"CutCheck", Operator, Idle, printer_commands::cutCheck},
    {"FeedDocument", Operator, Idle, printer_commands::feedDocument},
    {"GetDeviceMetrics", Anyone, Any, model_commands::getDeviceMetrics},
    {"GetECRStatus", Operator, Any, status_commands::getECRStatus},
    {"GetExchangeParam", SystemAdministrator, Any, service_commands::getExchangeParam},
    {"GetFieldStruct", SystemAdministrator, Any, table_commands::getFieldStruct},
    {"GetFontMetrics", SystemAdministrator, Any, model_commands::getFontMetrics},
    {"GetShortECRStatus", Operator, Any, status_commands::getShortECRStatus},
    {"GetTableStruct", SystemAdministrator, Any, table_commands::getTableStruct},
    {"InitTable", SystemAdministrator, Idle, table_commands::initTable},
    {"PrintString", Operator, Idle, printer_commands::printString},
    {"PrintStringWithFont", Operator, Idle, printer_commands::printStringWithFont},
    {"PrintStringWithWrap", Operator, Idle, printer_commands::printStringWithWrap},
    {"PrintWideString", Operator, Idle, printer_commands::printWideString},
    {"ReadErrorDescription", Anyone, Any, model_commands::readErrorDescription},
    {"ReadModelParam", Anyone, Any, model_commands::readModelParam},
    {"ReadModelParamValue", Anyone, Any, model_commands::readModelParamValue},
    {"ReadSerialNumber", Anyone, Any, model_commands::readSerialNumber},
    {"ReadTable", SystemAdministrator, Any, table_commands::readTable},
    {"RebootKKT", SystemAdministrator, Any, service_commands::rebootKKT},
    {"ResetECR", Operator, Any, service_commands::resetECR},
    {"ResetSettings", SystemAdministrator, Idle, service_commands::resetSettings},
    {"SetDate", SystemAdministrator, DateEntry, clock_commands::setDate},
    {"SetExchangeParam", SystemAdministrator, Idle, service_commands::setExchangeParam},
    {"SetSCPassword", Anyone, Idle, service_commands::setSCPassword},
    {"SetTime", SystemAdministrator, Idle, clock_commands::setTime},
    {"WaitForPrinting", Operator, Any, printer_commands::waitForPrinting},
    {"WriteTable", TableEditor, Idle, table_commands::writeTable},
};

}  // namespace

const Command* findCommand(std::string_view method) {
  const auto found = std::ranges::find(table, method, &Command::method);
  return found == std::end(table) ? nullptr : &*found;
}
