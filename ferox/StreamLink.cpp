#include "StreamLink.h"

#include "AnswerCollector.h"

#include <cerrno>

#include <poll.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the descriptor to become ready for events; false when the deadline passed.
bool waitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd request{fd, events, 0};
    const int ready = ::poll(&request, 1, int(left.count()));
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
  }
}

}  // namespace

StreamLink::~StreamLink() { StreamLink::close(); }

void StreamLink::adopt(int fd) {
  close();
  fd_ = fd;
}

void StreamLink::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

long StreamLink::writeSome(const char* bytes, long count) { return ::write(fd_, bytes, count); }

// An answer that arrived after its request timed out must not be taken for the answer
// to the next request.
void StreamLink::discardStaleInput() {
  char buffer[4096];
  while (::read(fd_, buffer, sizeof buffer) > 0) {
  }
}

bool StreamLink::writeAll(QByteArrayView frame, Clock::time_point deadline) {
  qsizetype written = 0;
  while (written < frame.size()) {
    const long count = writeSome(frame.data() + written, long(frame.size() - written));
    if (count > 0) {
      written += count;
    } else if (count < 0 && errno != EAGAIN && errno != EINTR) {
      return false;
    } else if (!waitFor(fd_, POLLOUT, deadline)) {
      return false;
    }
  }
  return true;
}

LinkReply StreamLink::exchange(QByteArrayView frame, std::chrono::milliseconds timeout) {
  AnswerCollector answer;
  if (fd_ < 0) return answer.noAnswer();
  const auto deadline = Clock::now() + timeout;
  discardStaleInput();
  if (!writeAll(frame, deadline)) return answer.noAnswer();
  char buffer[4096];
  for (;;) {
    const long count = ::read(fd_, buffer, sizeof buffer);
    if (count > 0) {
      if (auto reply = answer.feed(QByteArrayView(buffer, count))) return *reply;
    } else if (count == 0 || (errno != EAGAIN && errno != EINTR)) {
      return answer.noAnswer();
    } else if (!waitFor(fd_, POLLIN, deadline)) {
      return answer.noAnswer();
    }
  }
}
