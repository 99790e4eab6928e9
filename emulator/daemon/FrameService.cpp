#include "FrameService.h"

#include "Message.h"
#include "ResultCodes.h"

FrameService::FrameService(std::shared_ptr<VirtualRegister> device, int linkInterface)
    : device_(std::move(device)), linkInterface_(linkInterface) {
  restart();
}

void FrameService::restart() {
  reader_.clear();
  session_ = std::make_unique<RegisterSession>(device_, linkInterface_);
}

FrameService::Reply FrameService::receive(QByteArrayView bytes) {
  Reply reply;
  reader_.append(bytes);
  QByteArray payload;
  QString error;
  for (;;) {
    switch (reader_.next(payload, error)) {
      case frame::Reader::Status::NeedMore:
        return reply;
      case frame::Reader::Status::Error:
        // The caller learns at once that its bytes were spoilt, rather than by a timeout.
        reply.bytes += frame::encode(wire::encode(wire::ErrorAnswer{0, result::BadAnswer, error}));
        break;
      case frame::Reader::Status::Frame: {
        const QByteArray answer = session_->handlePayload(payload);
        if (answer.isEmpty()) {
          reader_.clear();
          reply.linkDropped = true;
          return reply;
        }
        reply.bytes += frame::encode(answer);
        break;
      }
    }
  }
}
