#include "TermiosSpeed.h"

#include <utility>

std::optional<speed_t> termiosSpeedOf(int bitsPerSecond) {
  static constexpr std::pair<int, speed_t> speeds[] = {
      {1200, B1200},     {2400, B2400},     {4800, B4800},     {9600, B9600},
      {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
      {230400, B230400}, {460800, B460800}, {921600, B921600},
  };
  for (const auto& [rate, code] : speeds)
    if (rate == bitsPerSecond) return code;
  return std::nullopt;
}
