#include "HostAddress.h"

#include <QHostInfo>

std::optional<QHostAddress> resolveHost(const QString& host) {
  const QHostAddress literal(host);
  if (!literal.isNull()) return literal;
  const QHostInfo info = QHostInfo::fromName(host);
  if (info.addresses().isEmpty()) return std::nullopt;
  return info.addresses().first();
}
