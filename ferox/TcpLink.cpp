#include "TcpLink.h"

#include "ResultCodes.h"

#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using AddressList = std::unique_ptr<addrinfo, decltype(&freeaddrinfo)>;

AddressList resolve(const QString& host, int port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const QByteArray service = QByteArray::number(port);
  if (getaddrinfo(host.toUtf8().constData(), service.constData(), &hints, &found) != 0)
    found = nullptr;
  return AddressList(found, freeaddrinfo);
}

struct Connection {
  int fd = -1;
  std::int32_t result = result::PortUnavailable;
};

// Connects a non-blocking socket within the timeout. A host that refuses is unavailable;
// one that stays silent is out of reach.
Connection connectWithin(const addrinfo& address, std::chrono::milliseconds timeout) {
  const int fd = ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                          address.ai_protocol);
  if (fd < 0) return {};
  if (::connect(fd, address.ai_addr, address.ai_addrlen) == 0) return {fd, result::Ok};
  Connection failed;
  if (errno == EINPROGRESS) {
    pollfd request{fd, POLLOUT, 0};
    int error = 0;
    socklen_t length = sizeof error;
    if (::poll(&request, 1, int(timeout.count())) != 1)
      failed.result = result::NoConnection;
    else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
      return {fd, result::Ok};
  }
  ::close(fd);
  return failed;
}

}  // namespace

TcpLink::TcpLink(QString host, int port, std::chrono::milliseconds connectTimeout)
    : host_(std::move(host)), port_(port), connectTimeout_(connectTimeout) {}

std::int32_t TcpLink::open() {
  if (host_.trimmed().isEmpty() || port_ <= 0 || port_ > 65535) return result::InvalidSetting;
  const AddressList addresses = resolve(host_.trimmed(), port_);
  std::int32_t failure = result::PortUnavailable;
  for (const addrinfo* address = addresses.get(); address; address = address->ai_next) {
    const Connection connection = connectWithin(*address, connectTimeout_);
    if (connection.result != result::Ok) {
      failure = connection.result;
      continue;
    }
    // Requests are single small frames; waiting to coalesce them only adds latency.
    const int noDelay = 1;
    setsockopt(connection.fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    adopt(connection.fd);
    return result::Ok;
  }
  return failure;
}

long TcpLink::writeSome(const char* bytes, long count) {
  return ::send(fd(), bytes, count, MSG_NOSIGNAL);
}
