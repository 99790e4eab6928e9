#include "RegisterClient.h"

#include "DriverErrors.h"
#include "Frame.h"
#include "PropertyRoles.h"
#include "ResultCodes.h"

#include <stdexcept>

namespace {

// Used when the caller leaves Timeout at 0: long enough for a register that prints, short
// enough that a missing one is noticed.
constexpr std::chrono::milliseconds defaultAnswerTimeout{3000};

std::chrono::milliseconds answerTimeout(const PropertyBag& properties) {
  const int timeout = properties.Timeout();
  return timeout > 0 ? std::chrono::milliseconds(timeout) : defaultAnswerTimeout;
}

// The answer's outputs in the kinds of their properties, or nothing when one of them
// cannot be: a register that breaks the property types sent a malformed answer.
std::optional<wire::Properties> acceptedOutputs(const wire::Properties& outputs) {
  wire::Properties accepted;
  try {
    for (const wire::PropertyValue& output : outputs) {
      if (propertyRole(output.id) == PropertyRole::Control) continue;
      accepted.push_back({output.id, coerceTo(propertyInfo(output.id).type, output.value)});
    }
  } catch (const DriverCallError&) {
    return std::nullopt;
  }
  return accepted;
}

// An error answer means the register could not read the request, so it may not know the
// request's number; a number it does give must be ours.
std::int32_t errorAnswerResult(const wire::ErrorAnswer& error, std::uint32_t sequence) {
  if (error.sequence != sequence && error.sequence != 0) return result::BadAnswer;
  return error.result != result::Ok ? error.result : result::BadAnswer;
}

}  // namespace

struct RegisterClient::Answer {
  std::int32_t result = result::Ok;
  QByteArray sent;
  QByteArray received;
  std::optional<wire::Message> message;

  Exchange exchange(std::int32_t code) const { return {code, sent, received}; }
};

std::int32_t RegisterClient::open(const PropertyBag& properties) {
  std::vector<DriverValue> settings = linkSettingsOf(properties);
  if (link_ && settings == linkSettings_) return result::Ok;
  close();
  std::unique_ptr<Link> link = factory_(properties);
  if (!link) return result::InvalidSetting;
  const std::int32_t opened = link->open();
  if (opened != result::Ok) return opened;
  link_ = std::move(link);
  linkSettings_ = std::move(settings);
  mirrorEmpty_ = true;
  return result::Ok;
}

void RegisterClient::close() {
  if (link_) link_->close();
  link_.reset();
}

wire::Properties RegisterClient::inputsFor(const PropertyBag& properties) const {
  wire::Properties inputs;
  auto add = [&](PropertyId id) {
    if (propertyRole(id) == PropertyRole::Device) inputs.push_back({id, properties.get(id)});
  };
  if (mirrorEmpty_) {
    for (const PropertyInfo& info : driverProperties())
      if (properties.get(info.id) != defaultValueOf(info.type)) add(info.id);
  } else {
    for (const PropertyId id : properties.changes()) add(id);
  }
  return inputs;
}

RegisterClient::Answer RegisterClient::exchange(const wire::Message& request,
                                                const PropertyBag& properties) {
  Answer answer;
  try {
    answer.sent = frame::encode(wire::encode(request));
  } catch (const std::length_error&) {
    answer.result = result::InvalidParameters;
    return answer;
  }
  const LinkReply reply = link_->exchange(answer.sent, answerTimeout(properties));
  answer.received = reply.received;
  answer.result = reply.result;
  if (reply.result == result::Ok) {
    wire::Decoded decoded = wire::decode(reply.payload);
    answer.message = std::move(decoded.message);
    if (!answer.message) answer.result = result::BadAnswer;
  }
  // After a lost or garbled answer nobody knows what the register did with the request:
  // the next call starts a new session rather than trust a mirror that may be stale.
  if (answer.result != result::Ok) close();
  return answer;
}

RegisterClient::Exchange RegisterClient::callMethod(std::string_view method,
                                                    PropertyBag& properties,
                                                    const wire::Properties& extraInputs,
                                                    LinkChoice linkChoice) {
  if (linkChoice == LinkChoice::Matching || !link_) {
    if (const std::int32_t opened = open(properties); opened != result::Ok)
      return {opened, {}, {}};
  }
  wire::Properties inputs = inputsFor(properties);
  inputs.insert(inputs.end(), extraInputs.begin(), extraInputs.end());
  const std::uint32_t sequence = ++sequence_;
  const Answer answer =
      exchange(wire::MethodRequest{sequence, std::string(method), std::move(inputs)}, properties);
  if (answer.result != result::Ok) return answer.exchange(answer.result);
  if (const auto* error = std::get_if<wire::ErrorAnswer>(&*answer.message))
    return answer.exchange(errorAnswerResult(*error, sequence));
  const auto* methodAnswer = std::get_if<wire::MethodAnswer>(&*answer.message);
  const auto outputs = methodAnswer && methodAnswer->sequence == sequence
                           ? acceptedOutputs(methodAnswer->outputs)
                           : std::nullopt;
  if (!outputs) {
    close();
    return answer.exchange(result::BadAnswer);
  }
  properties.clearChanges();
  for (const wire::PropertyValue& output : *outputs) properties.set(output.id, output.value);
  properties.clearChanges();
  mirrorEmpty_ = false;
  return answer.exchange(methodAnswer->result);
}

RegisterClient::Exchange RegisterClient::sendRaw(const QByteArray& command,
                                                 const PropertyBag& properties,
                                                 QByteArray& answerBytes) {
  if (const std::int32_t opened = open(properties); opened != result::Ok) return {opened, {}, {}};
  const std::uint32_t sequence = ++sequence_;
  const Answer answer = exchange(wire::RawRequest{sequence, command}, properties);
  if (answer.result != result::Ok) return answer.exchange(answer.result);
  if (const auto* error = std::get_if<wire::ErrorAnswer>(&*answer.message))
    return answer.exchange(errorAnswerResult(*error, sequence));
  const auto* rawAnswer = std::get_if<wire::RawAnswer>(&*answer.message);
  if (!rawAnswer || rawAnswer->sequence != sequence) {
    close();
    return answer.exchange(result::BadAnswer);
  }
  answerBytes = rawAnswer->answer;
  return answer.exchange(rawAnswer->result);
}
