#pragma once

#include <cstdint>

struct Device;

// Who may run a command. Operators and administrators are the rows of the operators
// table, the system administrator being its last row; the service password belongs to
// the service engineer and opens the tables for writing.
enum class Access { Anyone, Operator, SystemAdministrator, TableEditor };

struct Admission {
  std::int32_t code;   // 0, or WrongPassword
  int operatorNumber;  // the row the password belongs to; 0 for anyone and the engineer
};

Admission admit(const Device& device, Access access, std::int32_t password);

namespace passwords {

constexpr std::int32_t DefaultService = 111111;

// 0 when current is the service password and it is now next.
std::int32_t changeService(Device& device, std::int32_t current, std::int32_t next);

}  // namespace passwords
