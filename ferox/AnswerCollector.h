#pragma once

#include "Frame.h"
#include "Link.h"

#include <optional>

// Cuts the one answer frame out of bytes that arrive in pieces. The exchange ends at the
// first whole frame, or at the first bytes that cannot be a frame.
class AnswerCollector {
 public:
  // The reply once the answer is complete or known to be malformed; nothing while more
  // bytes are needed.
  std::optional<LinkReply> feed(QByteArrayView bytes);
  // The reply for an exchange that ended before the answer did.
  LinkReply noAnswer() const;

 private:
  frame::Reader reader_;
  QByteArray received_;
};
