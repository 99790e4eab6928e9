#pragma once

#include <QHostAddress>
#include <QString>

#include <optional>

// An address literal as it is, a host name through the resolver; nothing when the name
// is not known.
std::optional<QHostAddress> resolveHost(const QString& host);
