#include "Message.h"

#include "Overloaded.h"
#include "WireBuffer.h"

namespace wire {
namespace {

enum Kind : std::uint8_t {
  KindMethodRequest = 0x01,
  KindRawRequest = 0x02,
  KindMethodAnswer = 0x81,
  KindRawAnswer = 0x82,
  KindErrorAnswer = 0xFF,
};

enum ValueTag : std::uint8_t {
  TagInteger = 0,
  TagBoolean = 1,
  TagText = 2,
  TagCurrency = 3,
  TagDateTime = 4,
  TagDouble = 5,
  TagBytes = 6,
};

// Date-times travel as their wall-clock fields: the register and the control agree on
// the local time of the register, not on a time zone.
void writeDateTime(WireWriter& out, const QDateTime& value) {
  out.u8(value.isValid() ? 1 : 0);
  if (!value.isValid()) return;
  out.i64(value.date().toJulianDay());
  out.i32(value.time().msecsSinceStartOfDay());
}

void writeValue(WireWriter& out, const DriverValue& value) {
  std::visit(Overloaded{
                 [&](std::int32_t v) { out.u8(TagInteger); out.i32(v); },
                 [&](bool v) { out.u8(TagBoolean); out.u8(v ? 1 : 0); },
                 [&](const QString& v) { out.u8(TagText); out.text(v); },
                 [&](const Currency& v) { out.u8(TagCurrency); out.i64(v.scaled()); },
                 [&](const QDateTime& v) { out.u8(TagDateTime), writeDateTime(out, v); },
                 [&](double v) { out.u8(TagDouble); out.f64(v); },
                 [&](const QByteArray& v) { out.u8(TagBytes); out.blob(v); },
             },
             value);
}

void writeProperties(WireWriter& out, const Properties& properties) {
  out.u16(std::uint16_t(properties.size()));
  for (const PropertyValue& property : properties) {
    const std::string_view name = propertyInfo(property.id).name;
    out.shortName(QByteArrayView(name.data(), qsizetype(name.size())));
    writeValue(out, property.value);
  }
}

std::optional<QDateTime> readDateTime(WireReader& in) {
  const auto valid = in.u8();
  if (!valid || *valid > 1) return std::nullopt;
  if (*valid == 0) return QDateTime();
  const auto day = in.i64();
  const auto msecs = in.i32();
  if (!day || !msecs) return std::nullopt;
  const QDate date = QDate::fromJulianDay(*day);
  const QTime time = QTime::fromMSecsSinceStartOfDay(*msecs);
  if (!date.isValid() || !time.isValid()) return std::nullopt;
  return QDateTime(date, time);
}

std::optional<DriverValue> readValue(WireReader& in) {
  const auto tag = in.u8();
  if (!tag) return std::nullopt;
  auto wrap = [](auto value) -> std::optional<DriverValue> {
    if (!value) return std::nullopt;
    return DriverValue(*value);
  };
  switch (*tag) {
    case TagInteger: return wrap(in.i32());
    case TagBoolean: {
      const auto flag = in.u8();
      if (!flag || *flag > 1) return std::nullopt;
      return DriverValue(*flag == 1);
    }
    case TagText: return wrap(in.text());
    case TagCurrency: {
      const auto scaled = in.i64();
      if (!scaled) return std::nullopt;
      return DriverValue(Currency::fromScaled(*scaled));
    }
    case TagDateTime: return wrap(readDateTime(in));
    case TagDouble: return wrap(in.f64());
    case TagBytes: return wrap(in.blob());
    default: return std::nullopt;
  }
}

std::optional<Properties> readProperties(WireReader& in, QString& error) {
  const auto count = in.u16();
  if (!count) return std::nullopt;
  Properties properties;
  for (std::uint16_t i = 0; i < *count; ++i) {
    const auto name = in.shortName();
    if (!name) return std::nullopt;
    const PropertyInfo* info = findProperty(std::string_view(name->constData(), name->size()));
    if (!info) {
      error = QStringLiteral("Неизвестное свойство \"%1\"").arg(QString::fromLatin1(*name));
      return std::nullopt;
    }
    auto value = readValue(in);
    if (!value) return std::nullopt;
    properties.push_back({info->id, std::move(*value)});
  }
  return properties;
}

}  // namespace

QByteArray encode(const Message& message) {
  WireWriter out;
  std::visit(Overloaded{
                 [&](const MethodRequest& m) {
                   out.u8(KindMethodRequest); out.u32(m.sequence);
                   out.shortName(QByteArrayView(m.method.data(), qsizetype(m.method.size())));
                   writeProperties(out, m.inputs);
                 },
                 [&](const MethodAnswer& m) {
                   out.u8(KindMethodAnswer); out.u32(m.sequence); out.i32(m.result);
                   writeProperties(out, m.outputs);
                 },
                 [&](const RawRequest& m) {
                   out.u8(KindRawRequest); out.u32(m.sequence); out.blob(m.command);
                 },
                 [&](const RawAnswer& m) {
                   out.u8(KindRawAnswer); out.u32(m.sequence); out.i32(m.result);
                   out.blob(m.answer);
                 },
                 [&](const ErrorAnswer& m) {
                   out.u8(KindErrorAnswer); out.u32(m.sequence); out.i32(m.result);
                   out.text(m.text);
                 },
             },
             message);
  return out.bytes();
}

namespace {

std::optional<Message> decodeBody(std::uint8_t kind, std::uint32_t sequence, WireReader& in,
                                  QString& error) {
  switch (kind) {
    case KindMethodRequest: {
      const auto method = in.shortName();
      if (!method) return std::nullopt;
      auto inputs = readProperties(in, error);
      if (!inputs) return std::nullopt;
      return MethodRequest{sequence, method->toStdString(), std::move(*inputs)};
    }
    case KindMethodAnswer: {
      const auto result = in.i32();
      if (!result) return std::nullopt;
      auto outputs = readProperties(in, error);
      if (!outputs) return std::nullopt;
      return MethodAnswer{sequence, *result, std::move(*outputs)};
    }
    case KindRawRequest: {
      auto command = in.blob();
      if (!command) return std::nullopt;
      return RawRequest{sequence, std::move(*command)};
    }
    case KindRawAnswer: {
      const auto result = in.i32();
      auto answer = in.blob();
      if (!result || !answer) return std::nullopt;
      return RawAnswer{sequence, *result, std::move(*answer)};
    }
    case KindErrorAnswer: {
      const auto result = in.i32();
      auto text = in.text();
      if (!result || !text) return std::nullopt;
      return ErrorAnswer{sequence, *result, std::move(*text)};
    }
    default:
      error = QStringLiteral("Неизвестный тип сообщения %1").arg(kind);
      return std::nullopt;
  }
}

}  // namespace

Decoded decode(QByteArrayView payload) {
  WireReader in(payload);
  const auto kind = in.u8();
  const auto sequence = in.u32();
  Decoded decoded;
  if (kind && sequence) decoded.message = decodeBody(*kind, *sequence, in, decoded.error);
  if (decoded.message && !in.atEnd()) {
    decoded.message.reset();
    decoded.error = QStringLiteral("Лишние байты в конце сообщения");
  }
  if (!decoded.message && decoded.error.isEmpty())
    decoded.error = QStringLiteral("Сообщение повреждено или обрезано");
  return decoded;
}

}  // namespace wire
