#pragma once

#include "HostPort.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

// Tells programs looking for registers on the network where this one is: about once a
// second a datagram "SN:<serial>;IP:<address>; port:<port>" to the destination.
class Announcer : public QObject {
  Q_OBJECT
 public:
  explicit Announcer(QObject* parent = nullptr);

  // False, with the reason in error(), when the destination cannot be resolved.
  // listening is where the register takes TCP connections; a wildcard address is
  // announced as the address this machine reaches the destination from.
  bool start(const HostPort& destination, const QString& serialNumber, const HostPort& listening);
  QString error() const { return error_; }
  // The text of each announcement.
  QByteArray announcement() const { return announcement_; }

 private:
  void announce();

  QUdpSocket socket_;
  QTimer timer_;
  QHostAddress destination_;
  quint16 port_ = 0;
  QByteArray announcement_;
  QString error_;
};
