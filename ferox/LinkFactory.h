#pragma once

#include "Link.h"
#include "PropertyBag.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// Connection types of the control (property ConnectionType).
namespace connection {
constexpr int Serial = 0;
constexpr int Tcp = 6;
// The virtual register inside this process: the default on a fresh machine.
constexpr int Embedded = 100;
}  // namespace connection

// Makes the link that the connection properties describe; nullptr when ConnectionType
// names no connection this control can make.
using LinkFactory = std::function<std::unique_ptr<Link>(const PropertyBag&)>;

// The values a link is made from: a link opened with other values is not the link that
// the properties describe any more.
std::vector<DriverValue> linkSettingsOf(const PropertyBag& properties);

// Serial, TCP and the embedded register, whose state lives in embeddedStateDir (the
// register's default folder when empty).
LinkFactory standardLinkFactory(const QString& embeddedStateDir = {});
