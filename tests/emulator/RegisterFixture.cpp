#include "RegisterFixture.h"

#include <QFile>

RegisterTest::RegisterTest() { restart(); }

void RegisterTest::restart() {
  caller = PropertyBag();
  session.reset();
  device.reset();
  device = std::make_shared<VirtualRegister>(folder.path());
  session = std::make_unique<RegisterSession>(device);
}

std::optional<wire::Message> RegisterTest::send(const QByteArray& payload) {
  const QByteArray answer = session->handlePayload(payload);
  if (answer.isEmpty()) return std::nullopt;
  const wire::Decoded decoded = wire::decode(answer);
  EXPECT_TRUE(decoded.message.has_value()) << decoded.error.toStdString();
  return decoded.message;
}

wire::MethodAnswer RegisterTest::call(const char* method, const wire::Properties& inputs) {
  const std::uint32_t number = ++sequence;
  for (const wire::PropertyValue& input : inputs) caller.set(input.id, input.value);
  const auto answer = send(wire::encode(wire::MethodRequest{number, method, inputs}));
  const auto* methodAnswer = answer ? std::get_if<wire::MethodAnswer>(&*answer) : nullptr;
  if (!methodAnswer) {
    ADD_FAILURE() << method << " got no method answer";
    return {};
  }
  EXPECT_EQ(methodAnswer->sequence, number);
  for (const wire::PropertyValue& property : methodAnswer->outputs)
    caller.set(property.id, property.value);
  return *methodAnswer;
}

std::int32_t RegisterTest::result(const char* method, const wire::Properties& inputs) {
  return call(method, inputs).result;
}

wire::RawAnswer RegisterTest::raw(const QByteArray& command) {
  const std::uint32_t number = ++sequence;
  const auto answer = send(wire::encode(wire::RawRequest{number, command}));
  const auto* rawAnswer = answer ? std::get_if<wire::RawAnswer>(&*answer) : nullptr;
  if (!rawAnswer) {
    ADD_FAILURE() << "no raw answer";
    return {};
  }
  EXPECT_EQ(rawAnswer->sequence, number);
  return *rawAnswer;
}

void RegisterTest::configure(const std::function<void(RegisterSettings&)>& change) {
  RegisterSettings settings = device->settings();
  change(settings);
  device->setSettings(settings);
}

QString RegisterTest::tape(PaperTape::Station station) const {
  QFile file(device->tapePath(station));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

std::optional<DriverValue> output(const wire::MethodAnswer& answer, PropertyId id) {
  for (const wire::PropertyValue& property : answer.outputs)
    if (property.id == id) return property.value;
  return std::nullopt;
}

wire::Properties asAdmin(wire::Properties inputs) {
  inputs.insert(inputs.begin(), {PropertyId::Password, std::int32_t(30)});
  return inputs;
}
