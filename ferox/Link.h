#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <chrono>
#include <cstdint>

// What came back from one exchange of frames.
struct LinkReply {
  // result::Ok: payload is the answer frame's payload. Otherwise the link's failure:
  // result::NoConnection (no whole answer in time, or the line dropped) or
  // result::BadAnswer (bytes that are no frame).
  std::int32_t result = 0;
  QByteArray received;  // every byte that arrived during the exchange, as it arrived
  QByteArray payload;
};

// One way of reaching a register: a serial line, a TCP connection, the in-process
// register. A link is owned by one control and used by one thread at a time, but is not
// tied to any thread.
class Link {
 public:
  virtual ~Link() = default;

  // result::Ok, or the code that says why the link cannot be opened.
  virtual std::int32_t open() = 0;
  virtual void close() = 0;
  // Sends one whole frame and waits, at most timeout, for one answer frame.
  virtual LinkReply exchange(QByteArrayView frame, std::chrono::milliseconds timeout) = 0;
};
