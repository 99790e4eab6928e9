#pragma once

#include <QString>

#include <cstdint>

namespace Enrolla {

// Reads and writes of the register's tables, each one call. Every failed step throws the
// CheckResult error. Tables 18, 19 and 24 sit at numbers that differ by model; every
// function here maps them through CorrectTableNumber first.

// 18, 19 and 24 → the numbers given by model parameters 72, 73 and 75; any other number
// is returned as it is, without asking the register.
std::int32_t CorrectTableNumber(std::int32_t table);

void WriteTableStr(std::int32_t table, std::int32_t row, std::int32_t field, const QString& text);
// Asks the field's type first: a text field gets the number as its decimal text.
void WriteTableValue(std::int32_t table, std::int32_t row, std::int32_t field, std::int32_t value);
// Writes the number into row 1 as an integer, without asking the field's type.
void WriteTableInt(std::int32_t table, std::int32_t field, std::int32_t value);

QString ReadTableStr(std::int32_t table, std::int32_t row, std::int32_t field);
std::int32_t ReadTableInt(std::int32_t table, std::int32_t row, std::int32_t field);
// As the reads above, for fields that some models lack: a field the register does not
// have (result 93) reads as an empty text or 0.
QString ReadTableStrOpt(std::int32_t table, std::int32_t row, std::int32_t field);
std::int32_t ReadTableIntOpt(std::int32_t table, std::int32_t row, std::int32_t field);

}  // namespace Enrolla
