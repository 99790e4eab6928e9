#pragma once

#include <cstdint>
#include <functional>
#include <optional>

struct FoundDevice {
  int comNumber = 0;
  int baudRateCode = 0;
};

// Tries every port of the port map at every baud-rate code, in search order, and returns
// the first place where a register answers. probe(comNumber, code) answers the result of
// one attempt: 0 or a device error (positive) means a register is there; a port that
// cannot be opened or is busy is left at once, with no other rate tried.
std::optional<FoundDevice> findSerialDevice(
    const std::function<std::int32_t(int comNumber, int baudRateCode)>& probe);
