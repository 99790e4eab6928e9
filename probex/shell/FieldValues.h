#pragma once

#include <QString>

#include <cstdint>

// Turning the text of a field into a value, with the messages the user reads when the
// text is not one.

// "Некорректное значение в поле "Name"": the field, named by the driver property it
// feeds, holds a value the driver cannot take.
QString invalidFieldMessage(const QString& fieldName);

// The text as a decimal 32-bit integer (surrounding blanks allowed). Throws FeroxError,
// the conversion error, for anything else.
std::int32_t parseInteger(const QString& text);
