#include "DeviceTables.h"

#include "ResultCodes.h"
#include "WizardDriver.h"

namespace Enrolla {

namespace {

std::int32_t modelTableNumber(std::int32_t modelParam) {
  Driver().setModelParamNumber(modelParam);
  CheckResult(Driver().ReadModelParamValue());
  return valueToInt(Driver().ModelParamValue());
}

void selectField(std::int32_t table, std::int32_t row, std::int32_t field) {
  const std::int32_t mapped = CorrectTableNumber(table);
  Driver().setTableNumber(mapped);
  Driver().setRowNumber(row);
  Driver().setFieldNumber(field);
}

void readField(std::int32_t table, std::int32_t row, std::int32_t field) {
  selectField(table, row, field);
  CheckResult(Driver().ReadTable());
}

// Reads the field; false when the register has no such field.
bool readOptionalField(std::int32_t table, std::int32_t row, std::int32_t field) {
  selectField(table, row, field);
  const std::int32_t resultCode = Driver().ReadTable();
  if (resultCode == result::NoSuchTableItem) return false;
  CheckResult(resultCode);
  return true;
}

}  // namespace

std::int32_t CorrectTableNumber(std::int32_t table) {
  switch (table) {
    case 18:
      return modelTableNumber(72);
    case 19:
      return modelTableNumber(73);
    case 24:
      return modelTableNumber(75);
    default:
      return table;
  }
}

void WriteTableStr(std::int32_t table, std::int32_t row, std::int32_t field, const QString& text) {
  selectField(table, row, field);
  Driver().setValueOfFieldString(text);
  CheckResult(Driver().WriteTable());
}

void WriteTableValue(std::int32_t table, std::int32_t row, std::int32_t field, std::int32_t value) {
  selectField(table, row, field);
  CheckResult(Driver().GetFieldStruct());
  const bool textField = Driver().FieldType();
  if (textField)
    Driver().setValueOfFieldString(QString::number(value));
  else
    Driver().setValueOfFieldInteger(value);
  CheckResult(Driver().WriteTable());
}

void WriteTableInt(std::int32_t table, std::int32_t field, std::int32_t value) {
  selectField(table, 1, field);
  Driver().setValueOfFieldInteger(value);
  CheckResult(Driver().WriteTable());
}

QString ReadTableStr(std::int32_t table, std::int32_t row, std::int32_t field) {
  readField(table, row, field);
  return Driver().ValueOfFieldString();
}

std::int32_t ReadTableInt(std::int32_t table, std::int32_t row, std::int32_t field) {
  readField(table, row, field);
  return Driver().ValueOfFieldInteger();
}

QString ReadTableStrOpt(std::int32_t table, std::int32_t row, std::int32_t field) {
  if (!readOptionalField(table, row, field)) return {};
  return Driver().ValueOfFieldString();
}

std::int32_t ReadTableIntOpt(std::int32_t table, std::int32_t row, std::int32_t field) {
  if (!readOptionalField(table, row, field)) return 0;
  return Driver().ValueOfFieldInteger();
}

}  // namespace Enrolla
