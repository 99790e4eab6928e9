#include "LinkFactory.h"

#include "EmbeddedLink.h"
#include "SerialLink.h"
#include "SharedRegister.h"
#include "TcpLink.h"

namespace {

// Used when the caller leaves TCPConnectionTimeout at 0.
constexpr std::chrono::milliseconds defaultConnectTimeout{5000};

std::unique_ptr<Link> tcpLink(const PropertyBag& properties) {
  const QString host =
      properties.UseIPAddress() ? properties.IPAddress() : properties.ComputerName();
  const int connectTimeout = properties.TCPConnectionTimeout();
  return std::make_unique<TcpLink>(
      host, properties.TCPPort(),
      connectTimeout > 0 ? std::chrono::milliseconds(connectTimeout) : defaultConnectTimeout);
}

}  // namespace

std::vector<DriverValue> linkSettingsOf(const PropertyBag& p) {
  switch (p.ConnectionType()) {
    case connection::Serial:
      return {p.ConnectionType(), p.ComNumber(), p.BaudRate()};
    case connection::Tcp:
      return {p.ConnectionType(), p.UseIPAddress(), p.IPAddress(),
              p.ComputerName(),   p.TCPPort(),      p.TCPConnectionTimeout()};
    default:
      return {p.ConnectionType()};
  }
}

LinkFactory standardLinkFactory(const QString& embeddedStateDir) {
  return [embeddedStateDir](const PropertyBag& properties) -> std::unique_ptr<Link> {
    switch (properties.ConnectionType()) {
      case connection::Serial:
        return std::make_unique<SerialLink>(properties.ComNumber(), properties.BaudRate());
      case connection::Tcp:
        return tcpLink(properties);
      case connection::Embedded:
        return std::make_unique<EmbeddedLink>(embeddedStateDir.isEmpty() ? defaultStateDir()
                                                                         : embeddedStateDir);
      default:
        return nullptr;
    }
  };
}
