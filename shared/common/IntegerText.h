#pragma once

#include <QString>

#include <cstdint>

// The text as a decimal 32-bit integer (surrounding blanks allowed). Throws FeroxError,
// the conversion error the user reads, for anything else.
std::int32_t parseInteger(const QString& text);
