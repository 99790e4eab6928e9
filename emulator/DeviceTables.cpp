#include "DeviceTables.h"

#include "DeviceCodePage.h"
#include "ModelProfile.h"
#include "ResultCodes.h"
#include "StateStore.h"

namespace device_tables {
namespace {

QString modelPrefix(const ModelProfile& profile) {
  return QStringLiteral("table/%1/").arg(QStringView(profile.id));
}

QString keyOf(const ModelProfile& profile, Address at) {
  return modelPrefix(profile) + QStringLiteral("%1/%2/%3").arg(at.table).arg(at.row).arg(at.field);
}

// 0 when the field can hold the value; else the code that refuses it.
std::int32_t check(const FieldSchema& schema, const FieldValue& value) {
  if (schema.kind == FieldKind::Number) {
    const auto* number = std::get_if<std::int64_t>(&value);
    if (!number) return result::FieldValueNotNumber;
    return *number < schema.min || *number > schema.max ? result::FieldValueOutOfRange : result::Ok;
  }
  const auto* text = std::get_if<QString>(&value);
  if (!text) return result::InvalidParameters;
  if (!codepage::fits(*text)) return result::TextOutsideCodePage;
  return text->size() > schema.size ? result::FieldTextTooLong : result::Ok;
}

}  // namespace

const TableSchema* findTable(const ModelProfile& profile, int number) {
  return tableAt(profile.tables, number);
}

const FieldSchema* findField(const TableSchema& table, int number) {
  if (number < 1 || number > int(table.fields.size())) return nullptr;
  return &table.fields[std::size_t(number - 1)];
}

std::int32_t locate(const ModelProfile& profile, Address address, Field& found) {
  const TableSchema* table = findTable(profile, address.table);
  if (!table || address.row < 1 || address.row > table->rows) return result::NoSuchTableItem;
  const FieldSchema* schema = findField(*table, address.field);
  if (!schema) return result::NoSuchTableItem;
  found = {table, schema, address};
  return result::Ok;
}

FieldValue read(const StateStore& store, const ModelProfile& profile, const Field& field) {
  const QString key = keyOf(profile, field.address);
  if (field.schema->kind == FieldKind::Text) {
    if (const auto text = store.value(key)) return *text;
  } else if (const auto number = store.number(key)) {
    return *number;
  }
  return defaultFieldValue(*field.table, field.address.row, field.address.field);
}

FieldValue read(const StateStore& store, const ModelProfile& profile, const TableSchema& table,
                int row, int field) {
  const Address at{tableNumberOf(profile.tables, table), row, field};
  return read(store, profile, Field{&table, findField(table, field), at});
}

std::int32_t write(StateStore& store, const ModelProfile& profile, const Field& field,
                   const FieldValue& value) {
  if (const std::int32_t refused = check(*field.schema, value)) return refused;
  StateChange change;
  const QString key = keyOf(profile, field.address);
  if (const auto* number = std::get_if<std::int64_t>(&value))
    change.put(key, *number);
  else
    change.put(key, std::get<QString>(value));
  return store.commit(change) ? result::Ok : result::StorageFailure;
}

void resetAll(StateChange& change, const ModelProfile& profile) {
  change.removePrefix(modelPrefix(profile));
}

}  // namespace device_tables
