#include "TableSchema.h"

#include <algorithm>

FieldValue defaultFieldValue(const TableSchema& table, int row, int field) {
  const FieldSchema& schema = table.fields[std::size_t(field - 1)];
  const auto exception = std::ranges::find_if(table.rowDefaults, [&](const RowDefault& entry) {
    return entry.row == row && entry.field == field;
  });
  const bool excepted = exception != table.rowDefaults.end();
  if (schema.kind == FieldKind::Number) {
    if (excepted) return exception->number;
    return schema.defaultIsRowNumber ? std::int64_t(row) : schema.defaultNumber;
  }
  const QString text = QString::fromUtf16(excepted ? exception->text : schema.defaultText);
  return text.contains(u"%1") ? text.arg(row) : text;
}

const TableSchema* tableAt(const TableLayout& layout, int number) {
  if (number < 1 || number > int(layout.tables.size())) return nullptr;
  return layout.tables[std::size_t(number - 1)];
}

int tableNumberOf(const TableLayout& layout, const TableSchema& table) {
  const auto found = std::ranges::find(layout.tables, &table);
  return found == layout.tables.end() ? 0 : int(found - layout.tables.begin()) + 1;
}
