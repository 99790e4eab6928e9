#pragma once

#include "Link.h"

#include <QString>

#include <memory>

class RegisterSession;

// The virtual register inside this process: the frame's bytes go to a session of the
// register kept in stateDir and its answer comes back as a frame, with no line between.
// Every control opens its own session; controls of one process share the register.
class EmbeddedLink : public Link {
 public:
  explicit EmbeddedLink(QString stateDir);
  ~EmbeddedLink() override;

  std::int32_t open() override;
  void close() override;
  // The register answers synchronously, so the timeout never runs out; a register that
  // was told to drop the link gives no answer, which is reported as no connection.
  LinkReply exchange(QByteArrayView frame, std::chrono::milliseconds timeout) override;

 private:
  QString stateDir_;
  std::unique_ptr<RegisterSession> session_;
};
