#pragma once

#include "IntegerText.h"

#include <QString>

// Turning the text of a field into a value, with the messages the user reads when the
// text is not one.

// "Некорректное значение в поле "Name"": the field, named by the driver property it
// feeds, holds a value the driver cannot take.
QString invalidFieldMessage(const QString& fieldName);
