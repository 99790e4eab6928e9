#pragma once

#include <QString>

#include <cstdint>
#include <span>
#include <variant>

// The register's settings tables: every table, its rows and the type, size, range and
// default of each field. This is the only description of the tables; the register's
// reads, writes, initialisation and raw commands all go through it.

enum class FieldKind { Number, Text };

struct FieldSchema {
  const char16_t* name;
  FieldKind kind;
  int size;              // a number's width in bytes; a text's greatest length
  std::int64_t min = 0;  // numbers only
  std::int64_t max = 0;
  std::int64_t defaultNumber = 0;
  const char16_t* defaultText = u"";  // "%1" stands for the row number
  bool defaultIsRowNumber = false;
};

constexpr FieldSchema numberField(const char16_t* name, int size, std::int64_t min,
                                  std::int64_t max, std::int64_t defaultValue) {
  return {name, FieldKind::Number, size, min, max, defaultValue};
}

constexpr FieldSchema textField(const char16_t* name, int size,
                                const char16_t* defaultValue = u"") {
  return {name, FieldKind::Text, size, 0, 0, 0, defaultValue};
}

// A default that differs from the field's own in one row.
struct RowDefault {
  int row;
  int field;
  std::int64_t number;
  const char16_t* text;
};

struct TableSchema {
  const char16_t* name;
  int rows;
  std::span<const FieldSchema> fields;
  std::span<const RowDefault> rowDefaults = {};
};

using FieldValue = std::variant<std::int64_t, QString>;

// The value a field holds after initialisation (row and field count from 1).
FieldValue defaultFieldValue(const TableSchema& table, int row, int field);

// The tables other parts of the register address by meaning rather than by number.
namespace tables {
extern const TableSchema cashRegister;   // the register's number in the shop and its habits
extern const TableSchema operators;      // passwords and names of cashiers and administrators
extern const TableSchema fiscalStorage;  // the owner's details for the fiscal storage
extern const TableSchema ofdLink;        // the fiscal data operator's server
extern const TableSchema automat;        // the automatic device the register is built into
}  // namespace tables

// Which table stands at which number on a model: tables count from 1 without gaps.
struct TableLayout {
  std::span<const TableSchema* const> tables;
};

namespace layouts {
extern const TableLayout printerRegister;
extern const TableLayout cashCore;
}  // namespace layouts

const TableSchema* tableAt(const TableLayout& layout, int number);
// 0 when the layout has no such table.
int tableNumberOf(const TableLayout& layout, const TableSchema& table);
