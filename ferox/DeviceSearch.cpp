#include "DeviceSearch.h"

#include "BaudRates.h"
#include "PortMap.h"
#include "ResultCodes.h"

std::optional<FoundDevice> findSerialDevice(
    const std::function<std::int32_t(int comNumber, int baudRateCode)>& probe) {
  for (const SerialPortEntry& port : serialPortMap()) {
    for (const int code : baudRateSearchOrder) {
      const std::int32_t answer = probe(port.comNumber, code);
      if (answer >= result::Ok) return FoundDevice{port.comNumber, code};
      if (answer == result::PortUnavailable || answer == result::PortBusy) break;
    }
  }
  return std::nullopt;
}
