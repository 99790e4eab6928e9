#pragma once

#include <QString>

#include <cstdint>

namespace Enrolla {

// Send one tag of the fiscal data format for the open document, repeating the send while
// the register is busy; a failure throws the CheckResult error.
void SendTagStr(std::int32_t tag, const QString& text);
void SendTagByte(std::int32_t tag, std::int32_t value);

}  // namespace Enrolla
