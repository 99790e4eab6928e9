#pragma once

#include <QString>

#include <cstdint>
#include <initializer_list>

struct Device;

// The register's modes. A command names the modes it may run in; the rest refuse it.
namespace mode {

constexpr int ShiftClosed = 4;
constexpr int DateEntered = 6;  // a new date waits for its confirmation

using Mask = std::uint32_t;
constexpr Mask any = ~Mask(0);
constexpr Mask only(std::initializer_list<int> modes) {
  Mask mask = 0;
  for (const int m : modes) mask |= Mask(1) << m;
  return mask;
}
constexpr bool allows(Mask mask, int m) { return (mask >> m) & 1; }

int current(const Device& device);
QString description(int m);
QString subModeDescription(int subMode);

}  // namespace mode
