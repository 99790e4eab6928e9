#include "RegisterFixture.h"
#include "ResultCodes.h"
#include "WireBuffer.h"

namespace {

using P = PropertyId;

TEST_F(RegisterTest, AnswerCarriesOnlyTheOutputsTheMethodChanged) {
  const auto first = call("GetDeviceMetrics");
  EXPECT_TRUE(output(first, P::UModel).has_value());
  EXPECT_TRUE(output(first, P::UDescription).has_value());
  EXPECT_TRUE(call("GetDeviceMetrics").outputs.empty()) << "the caller already holds them";

  const auto dateEntered =
      call("SetDate", asAdmin({{P::Date, QDateTime(QDate(2030, 1, 2), QTime())}}));
  EXPECT_EQ(dateEntered.result, 0);
  EXPECT_FALSE(output(dateEntered, P::Date).has_value()) << "inputs are not echoed";
}

TEST_F(RegisterTest, MethodsTheRegisterDoesNotCarryOutAreNotSupported) {
  for (const char* method : {"Sale", "OpenSession", "FNGetStatus", "Connect", "NoSuchMethod",
                             "ResetSummary", "InitEEPROM"})
    EXPECT_EQ(result(method, asAdmin()), result::NotSupported) << method;
}

QByteArray written(const std::function<void(WireWriter&)>& write) {
  WireWriter out;
  write(out);
  return out.bytes();
}

struct MalformedCase {
  const char* name;
  QByteArray payload;
  std::uint32_t sequence;  // echoed when the header is readable
};

TEST_F(RegisterTest, MalformedPayloadsGetAnErrorAnswer) {
  const QByteArray request = wire::encode(wire::MethodRequest{9, "Beep", asAdmin()});
  const MalformedCase cases[] = {
      {"empty", QByteArray(), 0},
      {"header cut short", QByteArray("\x01\x07\x00", 3), 0},
      {"unknown kind", written([](WireWriter& out) { out.u8(0x55), out.u32(7); }), 7},
      {"request cut short", request.left(request.size() - 1), 9},
      {"bytes after the message", request + "x", 9},
      {"an answer sent to the register", wire::encode(wire::MethodAnswer{4, 0, {}}), 4},
      {"an error answer sent to the register", wire::encode(wire::ErrorAnswer{5, 1, "x"}), 5},
      {"unknown property", written([](WireWriter& out) {
         out.u8(0x01), out.u32(6), out.shortName("Beep"), out.u16(1);
         out.shortName("NoSuchProperty"), out.u8(0), out.i32(1);
       }),
       6},
      {"text for an integer property",
       wire::encode(wire::MethodRequest{8, "Beep", {{P::Password, QStringLiteral("тридцать")}}}),
       8},
  };
  for (const MalformedCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto answer = send(c.payload);
    ASSERT_TRUE(answer.has_value());
    const auto* error = std::get_if<wire::ErrorAnswer>(&*answer);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->result, result::BadAnswer);
    EXPECT_EQ(error->sequence, c.sequence);
    EXPECT_FALSE(error->text.isEmpty());
  }
}

TEST_F(RegisterTest, ARefusedRequestChangesNoneOfTheCallersProperties) {
  ASSERT_EQ(result("GetECRStatus", asAdmin()), 0);
  send(wire::encode(wire::MethodRequest{
      50, "GetECRStatus", {{P::Password, std::int32_t(1)}, {P::ECRMode, QStringLiteral("x")}}}));
  const auto answer = call("GetECRStatus");
  EXPECT_EQ(answer.result, 0);
  EXPECT_EQ(caller.OperatorNumber(), 30) << "the password of the refused request was not kept";
}

}  // namespace
