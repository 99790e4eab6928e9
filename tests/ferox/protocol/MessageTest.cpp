#include "Message.h"
#include "WireBuffer.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

PropertyId id(std::string_view name) { return findProperty(name)->id; }

TEST(Message, EveryKindAndValueRoundTrips) {
  const wire::Properties allKinds = {
      {id("Password"), std::int32_t(-30)},
      {id("PointPosition"), true},
      {id("StringForPrinting"), QStringLiteral("Кассовый чек №1\r\n\x01")},
      {id("TagValueDateTime"), QDateTime(QDate(2026, 12, 11), QTime(23, 59, 59, 999))},
      {id("TagValueDateTime"), QDateTime()},
      {id("ModelParamValue"), 12.5},
      {id("ModelParamValue"), QByteArray("\x00\xff\x80", 3)},
      {id("ModelParamValue"), DriverValue(Currency::fromString(u"-922337203685477.5807"))},
  };
  const wire::Message messages[] = {
      wire::MethodRequest{1, "PrintStringWithWrap", allKinds},
      wire::MethodRequest{2, "Connect", {}},
      wire::MethodAnswer{0xFFFFFFFF, -2, allKinds},
      wire::RawRequest{3, QByteArray("\x13\x1e\x00\x00\x00", 5)},
      wire::RawAnswer{4, 55, QByteArray("\x13\x37", 2)},
      wire::ErrorAnswer{5, -9, QStringLiteral("Сообщение повреждено")},
  };
  for (const wire::Message& message : messages) {
    const wire::Decoded decoded = wire::decode(wire::encode(message));
    ASSERT_TRUE(decoded.message.has_value()) << decoded.error.toStdString();
    EXPECT_TRUE(*decoded.message == message) << message.index();
  }
}

TEST(Message, RejectsEveryTruncationOfAValidMessage) {
  const QByteArray whole = wire::encode(wire::MethodRequest{
      7, "Sale", {{id("StringForPrinting"), QStringLiteral("Хлеб")}, {id("Password"), 1}}});
  for (qsizetype length = 0; length < whole.size(); ++length) {
    const wire::Decoded decoded = wire::decode(whole.left(length));
    EXPECT_FALSE(decoded.message.has_value()) << length;
    EXPECT_FALSE(decoded.error.isEmpty());
  }
}

// A payload written field by field, for cases the encoder itself would never produce.
QByteArray payload(const std::function<void(WireWriter&)>& write) {
  WireWriter out;
  write(out);
  return out.bytes();
}

void methodHeader(WireWriter& out, std::uint8_t kind) {
  out.u8(kind);
  out.u32(1);
}

struct BadCase {
  const char* name;
  QByteArray payload;
  const char* error;
};

TEST(Message, ExplainsWhatIsWrong) {
  const BadCase cases[] = {
      {"unknown kind", payload([](WireWriter& out) { methodHeader(out, 0x7e); }),
       "Неизвестный тип сообщения 126"},
      {"unknown property", payload([](WireWriter& out) {
         methodHeader(out, 0x01);
         out.shortName("Sale");
         out.u16(1);
         out.shortName("Bogus");
         out.u8(0);
         out.i32(1);
       }),
       "Неизвестное свойство \"Bogus\""},
      {"bad value tag", payload([](WireWriter& out) {
         methodHeader(out, 0x01);
         out.shortName("Sale");
         out.u16(1);
         out.shortName("Password");
         out.u8(9);
         out.i32(1);
       }),
       "Сообщение повреждено или обрезано"},
      {"boolean out of range", payload([](WireWriter& out) {
         methodHeader(out, 0x81);
         out.i32(0);
         out.u16(1);
         out.shortName("PointPosition");
         out.u8(1);
         out.u8(2);
       }),
       "Сообщение повреждено или обрезано"},
      {"text longer than the message", payload([](WireWriter& out) {
         methodHeader(out, 0xff);
         out.i32(0);
         out.u32(0x7fffffff);
       }),
       "Сообщение повреждено или обрезано"},
      {"trailing bytes", wire::encode(wire::RawRequest{1, "x"}) + "!",
       "Лишние байты в конце сообщения"},
  };
  for (const BadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const wire::Decoded decoded = wire::decode(c.payload);
    EXPECT_FALSE(decoded.message.has_value());
    EXPECT_EQ(decoded.error, c.error);
  }
}

}  // namespace
