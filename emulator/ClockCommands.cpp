#include "CommandHandlers.h"

#include "Device.h"

namespace clock_commands {

std::int32_t setDate(Device& device, Call& call) {
  return device.clock.enterDate(call.properties.Date().date());
}

std::int32_t confirmDate(Device& device, Call& call) {
  return device.clock.confirmDate(call.properties.Date().date());
}

std::int32_t setTime(Device& device, Call& call) {
  return device.clock.setTime(call.properties.Time().time());
}

}  // namespace clock_commands
