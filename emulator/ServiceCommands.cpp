#include "CommandHandlers.h"

#include "Device.h"
#include "DeviceTables.h"
#include "ExchangeParams.h"
#include "Passwords.h"
#include "ResultCodes.h"

namespace service_commands {
namespace {

// Back to waiting for commands: an entered date and a stopped print are forgotten.
std::int32_t returnToIdle(Device& device, StateChange change = {}) {
  DeviceClock::dropEnteredDate(change);
  if (!device.store.commit(change)) return result::StorageFailure;
  device.printer.restart();
  return result::Ok;
}

}  // namespace

std::int32_t getExchangeParam(Device& device, Call& call) {
  PropertyBag& out = call.properties;
  if (!exchange_params::isPort(out.PortNumber())) return result::InvalidParameters;
  const ExchangeParams params = exchange_params::read(device.store, out.PortNumber());
  out.setBaudRate(params.baudRate);
  out.setTimeout(params.timeout);
  out.setTCPPort(params.tcpPort);
  return result::Ok;
}

std::int32_t setExchangeParam(Device& device, Call& call) {
  const PropertyBag& in = call.properties;
  if (!exchange_params::isPort(in.PortNumber())) return result::InvalidParameters;
  const ExchangeParams params{in.BaudRate(), in.Timeout(), in.TCPPort()};
  if (const std::int32_t refused = exchange_params::check(params)) return refused;
  StateChange change;
  exchange_params::write(change, in.PortNumber(), params);
  return device.store.commit(change) ? result::Ok : result::StorageFailure;
}

std::int32_t setSCPassword(Device& device, Call& call) {
  return passwords::changeService(device, call.properties.SCPassword(),
                                  call.properties.NewSCPassword());
}

std::int32_t resetECR(Device& device, Call&) { return returnToIdle(device); }

std::int32_t rebootKKT(Device& device, Call&) { return returnToIdle(device); }

// The technological reset: every table and port setting back to what the factory set.
std::int32_t resetSettings(Device& device, Call&) {
  StateChange change;
  device_tables::resetAll(change, *device.profile);
  exchange_params::resetAll(change);
  return returnToIdle(device, std::move(change));
}

}  // namespace service_commands
