#include "DeviceConnection.h"

#include "LinkFactory.h"
#include "Overloaded.h"

#include <QHostAddress>

DeviceConnection::DeviceConnection(TFerox& driver, const DeviceChoice& choice) {
  std::visit(Overloaded{
                 [&](const EmbeddedDevice&) { driver.setConnectionType(connection::Embedded); },
                 [&](const TcpDevice& tcp) {
                   driver.setConnectionType(connection::Tcp);
                   const bool isAddress = !QHostAddress(tcp.endpoint.host).isNull();
                   driver.setUseIPAddress(isAddress);
                   if (isAddress)
                     driver.setIPAddress(tcp.endpoint.host);
                   else
                     driver.setComputerName(tcp.endpoint.host);
                   driver.setTCPPort(tcp.endpoint.port);
                 },
                 [&](const SerialDevice& serial) {
                   serialAlias_.emplace(serial.path);
                   driver.setConnectionType(connection::Serial);
                   driver.setComNumber(serialAlias_->comNumber());
                   if (serial.baudRateCode) driver.setBaudRate(*serial.baudRateCode);
                 },
             },
             choice);
}
