#pragma once

#include "TableSchema.h"

#include <cstdint>

class StateChange;
class StateStore;
struct ModelProfile;

// Reading and writing the settings tables of the chosen model. Values live in the state
// store, one key per field written; a field never written holds its default. Every model
// keeps its own values, as separate devices would.
namespace device_tables {

struct Address {
  int table;
  int row;
  int field;
};

struct Field {
  const TableSchema* table;
  const FieldSchema* schema;
  Address address;
};

// nullptr past the last table or field.
const TableSchema* findTable(const ModelProfile& profile, int number);
const FieldSchema* findField(const TableSchema& table, int number);
// NoSuchTableItem when the table, the row or the field does not exist.
std::int32_t locate(const ModelProfile& profile, Address address, Field& found);

FieldValue read(const StateStore& store, const ModelProfile& profile, const Field& field);
// A field of a table the model has, found by what the table is rather than by its number.
FieldValue read(const StateStore& store, const ModelProfile& profile, const TableSchema& table,
                int row, int field);
// Checks the value and, when the field can hold it, stores it: 0, the refusing code, or
// StorageFailure.
std::int32_t write(StateStore& store, const ModelProfile& profile, const Field& field,
                   const FieldValue& value);
// Every table of the model back to its defaults.
void resetAll(StateChange& change, const ModelProfile& profile);

}  // namespace device_tables
