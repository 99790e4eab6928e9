#include "TcpEndpoint.h"

#include "FrameService.h"
#include "HostAddress.h"

#include <QHostAddress>
#include <QTcpSocket>

TcpEndpoint::TcpEndpoint(std::shared_ptr<VirtualRegister> device, QObject* parent)
    : QObject(parent), device_(std::move(device)) {
  connect(&server_, &QTcpServer::newConnection, this, &TcpEndpoint::acceptClients);
}

bool TcpEndpoint::listen(const HostPort& endpoint) {
  const auto address = resolveHost(endpoint.host);
  if (!address) {
    error_ = QStringLiteral("Адрес \"%1\" не найден").arg(endpoint.host);
    return false;
  }
  if (!server_.listen(*address, quint16(endpoint.port))) {
    error_ = QStringLiteral("Не удалось принимать подключения на %1: %2")
                 .arg(hostPortText(endpoint), server_.errorString());
    return false;
  }
  return true;
}

HostPort TcpEndpoint::listening() const {
  return {server_.serverAddress().toString(), server_.serverPort()};
}

void TcpEndpoint::acceptClients() {
  while (QTcpSocket* client = server_.nextPendingConnection()) serve(client);
}

void TcpEndpoint::serve(QTcpSocket* client) {
  // Requests are single small frames; waiting to coalesce answers only adds latency.
  client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  auto service = std::make_shared<FrameService>(device_, link_interface::Tcp);
  connect(client, &QTcpSocket::readyRead, client, [client, service] {
    const FrameService::Reply reply = service->receive(client->readAll());
    if (!reply.bytes.isEmpty()) client->write(reply.bytes);
    if (reply.linkDropped) {
      client->abort();
      client->deleteLater();
    }
  });
  connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
}
