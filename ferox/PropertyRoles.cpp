#include "PropertyRoles.h"

#include <algorithm>

namespace {

constexpr PropertyId controlProperties[] = {
    PropertyId::BinaryConversion,
    PropertyId::ComNumber,
    PropertyId::ComputerName,
    PropertyId::Connected,
    PropertyId::ConnectionTimeout,
    PropertyId::ConnectionType,
    PropertyId::DriverBuild,
    PropertyId::DriverMajorVersion,
    PropertyId::DriverMinorVersion,
    PropertyId::DriverRelease,
    PropertyId::DriverVersion,
    PropertyId::ECRInput,
    PropertyId::ECROutput,
    PropertyId::IPAddress,
    PropertyId::LDBaudrate,
    PropertyId::LDComNumber,
    PropertyId::LDComputerName,
    PropertyId::LDCount,
    PropertyId::LDIndex,
    PropertyId::LDName,
    PropertyId::LDNumber,
    PropertyId::LDTimeout,
    PropertyId::MaxAnswerReadCount,
    PropertyId::MaxCommandSendCount,
    PropertyId::ProtocolType,
    PropertyId::ResultCode,
    PropertyId::ResultCodeDescription,
    PropertyId::SearchTimeout,
    PropertyId::TCPConnectionTimeout,
    PropertyId::TransferBytes,
    PropertyId::UseIPAddress,
};

constexpr PropertyId exchangeParameters[] = {
    PropertyId::BaudRate,
    PropertyId::TCPPort,
    PropertyId::Timeout,
};

}  // namespace

PropertyRole propertyRole(PropertyId id) {
  if (std::ranges::find(controlProperties, id) != std::end(controlProperties))
    return PropertyRole::Control;
  if (std::ranges::find(exchangeParameters, id) != std::end(exchangeParameters))
    return PropertyRole::ExchangeParameter;
  return PropertyRole::Device;
}
