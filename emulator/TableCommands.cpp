#include "CommandHandlers.h"

#include "Device.h"
#include "DeviceTables.h"
#include "ResultCodes.h"

namespace table_commands {
namespace {

using device_tables::Field;

// Integer properties are 32 bits wide: a four-byte unsigned field crosses as its bit pattern.
std::int32_t toDriverInteger(std::int64_t value) { return std::int32_t(std::uint32_t(value)); }

std::int64_t fromDriverInteger(std::int32_t value, const FieldSchema& schema) {
  const bool unsigned32 = schema.size == 4 && schema.min >= 0;
  return unsigned32 ? std::int64_t(std::uint32_t(value)) : std::int64_t(value);
}

void reportFieldStruct(const FieldSchema& schema, PropertyBag& out) {
  out.setFieldName(QString::fromUtf16(schema.name));
  out.setFieldType(schema.kind == FieldKind::Text);
  out.setFieldSize(schema.size);
  out.setMINValueOfField(toDriverInteger(schema.min));
  out.setMAXValueOfField(toDriverInteger(schema.max));
}

std::int32_t locateRequested(const Device& device, const PropertyBag& in, Field& found) {
  return device_tables::locate(*device.profile,
                               {in.TableNumber(), in.RowNumber(), in.FieldNumber()}, found);
}

// The value the caller wrote, as the field's kind. A number field takes ValueOfFieldInteger
// and a text field ValueOfFieldString, unless the request carried only the other one:
// then a text is read as a decimal number, or a number becomes its decimal text.
std::optional<FieldValue> requestedValue(const FieldSchema& schema, const Call& call) {
  const PropertyBag& in = call.properties;
  const bool onlyText = call.carries(PropertyId::ValueOfFieldString) &&
                        !call.carries(PropertyId::ValueOfFieldInteger);
  const bool onlyNumber = call.carries(PropertyId::ValueOfFieldInteger) &&
                          !call.carries(PropertyId::ValueOfFieldString);
  if (schema.kind == FieldKind::Text)
    return onlyNumber ? QString::number(in.ValueOfFieldInteger()) : in.ValueOfFieldString();
  if (!onlyText) return fromDriverInteger(in.ValueOfFieldInteger(), schema);
  bool ok = false;
  const std::int64_t number = in.ValueOfFieldString().trimmed().toLongLong(&ok);
  if (!ok) return std::nullopt;
  return number;
}

}  // namespace

std::int32_t getTableStruct(Device& device, Call& call) {
  PropertyBag& out = call.properties;
  const TableSchema* table = device_tables::findTable(*device.profile, out.TableNumber());
  if (!table) return result::NoSuchTableItem;
  out.setTableName(QString::fromUtf16(table->name));
  out.setRowNumber(table->rows);
  out.setFieldNumber(std::int32_t(table->fields.size()));
  return result::Ok;
}

std::int32_t getFieldStruct(Device& device, Call& call) {
  PropertyBag& out = call.properties;
  const TableSchema* table = device_tables::findTable(*device.profile, out.TableNumber());
  const FieldSchema* field = table ? device_tables::findField(*table, out.FieldNumber()) : nullptr;
  if (!field) return result::NoSuchTableItem;
  reportFieldStruct(*field, out);
  return result::Ok;
}

std::int32_t readTable(Device& device, Call& call) {
  PropertyBag& out = call.properties;
  Field field{};
  if (const std::int32_t missing = locateRequested(device, out, field)) return missing;
  reportFieldStruct(*field.schema, out);
  const FieldValue value = device_tables::read(device.store, *device.profile, field);
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    out.setValueOfFieldInteger(toDriverInteger(*number));
    out.setValueOfFieldString(QString::number(*number));
  } else {
    out.setValueOfFieldInteger(0);
    out.setValueOfFieldString(std::get<QString>(value));
  }
  return result::Ok;
}

std::int32_t writeTable(Device& device, Call& call) {
  Field field{};
  if (const std::int32_t missing = locateRequested(device, call.properties, field)) return missing;
  const auto value = requestedValue(*field.schema, call);
  if (!value) return result::FieldValueNotNumber;
  return device_tables::write(device.store, *device.profile, field, *value);
}

std::int32_t initTable(Device& device, Call&) {
  StateChange change;
  device_tables::resetAll(change, *device.profile);
  return device.store.commit(change) ? result::Ok : result::StorageFailure;
}

}  // namespace table_commands
