#include "BaudRates.h"

std::optional<int> baudRateOfCode(int code) {
  if (code < 0 || code >= int(baudRateTable.size())) return std::nullopt;
  return baudRateTable[std::size_t(code)];
}
