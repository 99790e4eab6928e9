#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A host and a port as the command line gives them: "HOST:PORT", an IPv6 address in
// brackets ("[::1]:7778").
struct HostPort {
  QString host;
  int port = 0;
  bool operator==(const HostPort&) const = default;
};

// Nothing when the host is empty or the port is not a number from minPort to 65535.
std::optional<HostPort> parseHostPort(QStringView text, int minPort = 1);

// "HOST" or "HOST:PORT": a text with no port takes defaultPort.
std::optional<HostPort> parseHostWithOptionalPort(QStringView text, int defaultPort);

// The text form parseHostPort reads back.
QString hostPortText(const HostPort& endpoint);
