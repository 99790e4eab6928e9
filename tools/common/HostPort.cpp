#include "HostPort.h"

namespace {

constexpr int MaxPort = 65535;

QString unbracketed(QStringView host) {
  if (host.size() >= 2 && host.front() == u'[' && host.back() == u']')
    return host.sliced(1, host.size() - 2).toString();
  return host.toString();
}

bool isBareIpv6(QStringView text) { return text.count(u':') > 1 && !text.startsWith(u'['); }

}  // namespace

std::optional<HostPort> parseHostPort(QStringView text, int minPort) {
  const qsizetype colon = text.lastIndexOf(u':');
  if (colon < 0 || isBareIpv6(text)) return std::nullopt;
  const QString host = unbracketed(text.first(colon));
  bool ok = false;
  const int port = text.sliced(colon + 1).toInt(&ok);
  if (host.isEmpty() || !ok || port < minPort || port > MaxPort) return std::nullopt;
  return HostPort{host, port};
}

std::optional<HostPort> parseHostWithOptionalPort(QStringView text, int defaultPort) {
  const bool portGiven = text.contains(u':') && !text.endsWith(u']') && !isBareIpv6(text);
  if (portGiven) return parseHostPort(text);
  const QString host = unbracketed(text);
  if (host.isEmpty()) return std::nullopt;
  return HostPort{host, defaultPort};
}

QString hostPortText(const HostPort& endpoint) {
  const bool ipv6 = endpoint.host.contains(u':');
  return (ipv6 ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2"))
      .arg(endpoint.host)
      .arg(endpoint.port);
}
