#include "EmbeddedLink.h"

#include "AnswerCollector.h"
#include "RegisterSession.h"
#include "SharedRegister.h"

#include "ResultCodes.h"

EmbeddedLink::EmbeddedLink(QString stateDir) : stateDir_(std::move(stateDir)) {}

EmbeddedLink::~EmbeddedLink() = default;

std::int32_t EmbeddedLink::open() {
  try {
    session_ = std::make_unique<RegisterSession>(sharedRegister(stateDir_));
  } catch (const std::exception&) {
    // The register's state folder cannot be opened or read.
    return result::PortUnavailable;
  }
  return result::Ok;
}

void EmbeddedLink::close() { session_.reset(); }

LinkReply EmbeddedLink::exchange(QByteArrayView frame, std::chrono::milliseconds) {
  AnswerCollector answer;
  if (!session_) return answer.noAnswer();
  frame::Reader request;
  request.append(frame);
  QByteArray payload;
  QString error;
  if (request.next(payload, error) != frame::Reader::Status::Frame) return answer.noAnswer();
  const QByteArray answerPayload = session_->handlePayload(payload);
  if (answerPayload.isEmpty()) return answer.noAnswer();
  return answer.feed(frame::encode(answerPayload)).value_or(answer.noAnswer());
}
