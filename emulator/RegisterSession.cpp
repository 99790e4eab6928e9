#include "RegisterSession.h"

#include "Message.h"
#include "ResultCodes.h"
#include "VirtualRegister.h"

#include <QtEndian>

#include <exception>
#include <vector>

namespace {

// The sequence number of a request that could not be decoded, when its header is there.
std::uint32_t sequenceOf(QByteArrayView payload) {
  if (payload.size() < 5) return 0;
  return qFromLittleEndian<std::uint32_t>(payload.constData() + 1);
}

QByteArray errorAnswer(std::uint32_t sequence, const QString& text) {
  return wire::encode(wire::ErrorAnswer{sequence, result::BadAnswer, text});
}

}  // namespace

RegisterSession::RegisterSession(std::shared_ptr<VirtualRegister> device, int linkInterface)
    : register_(std::move(device)), linkInterface_(linkInterface) {}

QByteArray RegisterSession::handlePayload(QByteArrayView payload) noexcept {
  linkDropped_ = false;
  try {
    return answer(payload);
  } catch (const std::exception& error) {
    try {
      return errorAnswer(
          sequenceOf(payload),
          QStringLiteral("Ошибка регистратора: %1").arg(QString::fromUtf8(error.what())));
    } catch (...) {
      return {};  // not even an error answer can be made: nothing is left to send
    }
  } catch (...) {
    return {};
  }
}

QByteArray RegisterSession::answer(QByteArrayView payload) {
  const wire::Decoded decoded = wire::decode(payload);
  if (!decoded.message) return errorAnswer(sequenceOf(payload), decoded.error);
  if (const auto* request = std::get_if<wire::MethodRequest>(&*decoded.message))
    return answerMethod(*request);
  if (const auto* request = std::get_if<wire::RawRequest>(&*decoded.message))
    return answerRaw(*request);
  return errorAnswer(sequenceOf(payload), QStringLiteral("Регистратор принимает только запросы"));
}

void RegisterSession::takeInputs(const wire::Properties& inputs) {
  // Every input is converted before any is kept: a request with one bad value changes
  // nothing.
  wire::Properties converted;
  converted.reserve(inputs.size());
  for (const wire::PropertyValue& input : inputs)
    converted.push_back({input.id, coerceTo(propertyInfo(input.id).type, input.value)});
  for (const wire::PropertyValue& input : converted) {
    mirror_.set(input.id, input.value);
  }
  mirror_.clearChanges();
}

QByteArray RegisterSession::answerMethod(const wire::MethodRequest& request) {
  takeInputs(request.inputs);
  std::vector<PropertyId> sent;
  sent.reserve(request.inputs.size());
  for (const wire::PropertyValue& input : request.inputs) sent.push_back(input.id);
  const auto result = register_->callMethod(request.method, mirror_, sent, linkInterface_);
  if (!result) {
    linkDropped_ = true;
    return {};
  }
  wire::MethodAnswer reply{request.sequence, *result, {}};
  for (const PropertyId id : mirror_.changes()) reply.outputs.push_back({id, mirror_.get(id)});
  mirror_.clearChanges();
  return wire::encode(reply);
}

QByteArray RegisterSession::answerRaw(const wire::RawRequest& request) {
  const auto reply = register_->exchangeBytes(request.command);
  if (!reply) {
    linkDropped_ = true;
    return {};
  }
  return wire::encode(wire::RawAnswer{request.sequence, reply->result, reply->answer});
}
