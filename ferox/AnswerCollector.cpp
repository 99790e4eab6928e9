#include "AnswerCollector.h"

#include "ResultCodes.h"

std::optional<LinkReply> AnswerCollector::feed(QByteArrayView bytes) {
  received_.append(bytes);
  reader_.append(bytes);
  QByteArray payload;
  QString error;
  switch (reader_.next(payload, error)) {
    case frame::Reader::Status::NeedMore:
      return std::nullopt;
    case frame::Reader::Status::Frame:
      return LinkReply{result::Ok, received_, payload};
    case frame::Reader::Status::Error:
      return LinkReply{result::BadAnswer, received_, {}};
  }
  return std::nullopt;
}

LinkReply AnswerCollector::noAnswer() const {
  return LinkReply{result::NoConnection, received_, {}};
}
