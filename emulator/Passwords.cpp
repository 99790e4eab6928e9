#include "Passwords.h"

#include "Device.h"
#include "DeviceTables.h"
#include "ResultCodes.h"

namespace {

const QString ServicePasswordKey = QStringLiteral("passwords/service");
constexpr int PasswordField = 1;

std::int64_t passwordOfRow(const Device& device, int row) {
  return std::get<std::int64_t>(
      device_tables::read(device.store, *device.profile, tables::operators, row, PasswordField));
}

// The most privileged row holding the password: administrators come first.
int operatorWithPassword(const Device& device, std::int32_t password) {
  for (int row = tables::operators.rows; row >= 1; --row)
    if (passwordOfRow(device, row) == password) return row;
  return 0;
}

std::int64_t servicePassword(const Device& device) {
  return device.store.number(ServicePasswordKey).value_or(passwords::DefaultService);
}

}  // namespace

Admission admit(const Device& device, Access access, std::int32_t password) {
  if (access == Access::Anyone) return {result::Ok, 0};
  const int row = operatorWithPassword(device, password);
  const bool systemAdministrator = row == tables::operators.rows;
  switch (access) {
    case Access::Operator:
      if (row > 0) return {result::Ok, row};
      break;
    case Access::SystemAdministrator:
      if (systemAdministrator) return {result::Ok, row};
      break;
    case Access::TableEditor:
      if (systemAdministrator) return {result::Ok, row};
      if (password == servicePassword(device)) return {result::Ok, 0};
      break;
    case Access::Anyone:
      break;
  }
  return {result::WrongPassword, 0};
}

namespace passwords {

std::int32_t changeService(Device& device, std::int32_t current, std::int32_t next) {
  if (current != servicePassword(device)) return result::WrongPassword;
  if (next < 0 || next > 99999999) return result::InvalidParameters;
  StateChange change;
  change.put(ServicePasswordKey, next);
  return device.store.commit(change) ? result::Ok : result::StorageFailure;
}

}  // namespace passwords
