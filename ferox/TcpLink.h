#pragma once

#include "StreamLink.h"

#include <QString>

// A TCP connection to a register (the daemon, or a register on the network).
class TcpLink : public StreamLink {
 public:
  TcpLink(QString host, int port, std::chrono::milliseconds connectTimeout);

  std::int32_t open() override;

 protected:
  long writeSome(const char* bytes, long count) override;

 private:
  QString host_;
  int port_;
  std::chrono::milliseconds connectTimeout_;
};
