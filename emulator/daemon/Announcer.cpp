#include "Announcer.h"

#include "HostAddress.h"

namespace {

constexpr int AnnouncementIntervalMs = 1000;
constexpr int ConnectWaitMs = 100;

bool isWildcard(const QHostAddress& address) {
  return address == QHostAddress::Any || address == QHostAddress::AnyIPv4 ||
         address == QHostAddress::AnyIPv6;
}

// The address of this machine on the way to the destination: what a listener there can
// connect back to.
QString localAddressTowards(const QHostAddress& destination, quint16 port) {
  QUdpSocket probe;
  probe.connectToHost(destination, port);
  probe.waitForConnected(ConnectWaitMs);
  const QHostAddress local = probe.localAddress();
  return local.isNull() ? destination.toString() : local.toString();
}

QByteArray announcementText(const QString& serialNumber, const QString& address, int port) {
  return QStringLiteral("SN:%1;IP:%2; port:%3").arg(serialNumber, address).arg(port).toLatin1();
}

}  // namespace

Announcer::Announcer(QObject* parent) : QObject(parent) {
  timer_.setInterval(AnnouncementIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &Announcer::announce);
}

bool Announcer::start(const HostPort& destination, const QString& serialNumber,
                      const HostPort& listening) {
  const auto address = resolveHost(destination.host);
  if (!address) {
    error_ = QStringLiteral("Адрес для объявлений \"%1\" не найден").arg(destination.host);
    return false;
  }
  destination_ = *address;
  port_ = quint16(destination.port);
  const QHostAddress listeningAddress(listening.host);
  const QString announced = isWildcard(listeningAddress) ? localAddressTowards(destination_, port_)
                                                         : listeningAddress.toString();
  announcement_ = announcementText(serialNumber, announced, listening.port);
  announce();
  timer_.start();
  return true;
}

void Announcer::announce() { socket_.writeDatagram(announcement_, destination_, port_); }
