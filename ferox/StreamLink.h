#pragma once

#include "Link.h"

// A link over a byte stream held in a file descriptor (a socket or a serial line).
// Subclasses open the descriptor; the exchange of frames is the same for all of them.
class StreamLink : public Link {
 public:
  ~StreamLink() override;

  void close() override;
  LinkReply exchange(QByteArrayView frame, std::chrono::milliseconds timeout) override;

 protected:
  // Takes ownership of an open, non-blocking descriptor.
  void adopt(int fd);
  int fd() const { return fd_; }
  // A socket needs send() so that a peer that went away does not raise SIGPIPE.
  virtual long writeSome(const char* bytes, long count);

 private:
  void discardStaleInput();
  bool writeAll(QByteArrayView frame, std::chrono::steady_clock::time_point deadline);
  int fd_ = -1;
};
