#pragma once

#include "HostPort.h"

#include <QObject>
#include <QString>
#include <QTcpServer>

#include <memory>

class VirtualRegister;

// The register on TCP: every client gets its own session, and since all of them are
// served on one thread, exchanges reach the register one at a time.
class TcpEndpoint : public QObject {
  Q_OBJECT
 public:
  explicit TcpEndpoint(std::shared_ptr<VirtualRegister> device, QObject* parent = nullptr);

  // False, with the reason in error(), when the address cannot be listened on.
  bool listen(const HostPort& endpoint);
  QString error() const { return error_; }
  // The address and port actually listened on (the system's choice for port 0).
  HostPort listening() const;

 private:
  void acceptClients();
  void serve(QTcpSocket* client);

  std::shared_ptr<VirtualRegister> device_;
  QTcpServer server_;
  QString error_;
};
