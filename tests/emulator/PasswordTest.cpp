#include "Passwords.h"
#include "RegisterFixture.h"
#include "ResultCodes.h"

namespace {

using P = PropertyId;

wire::Properties withPassword(std::int32_t password, wire::Properties more = {}) {
  more.insert(more.begin(), {P::Password, password});
  return more;
}

struct AccessCase {
  const char* method;
  std::int32_t password;
  std::int32_t expected;
};

TEST_F(RegisterTest, EachCommandAsksForItsPassword) {
  const wire::Properties table = {{P::TableNumber, std::int32_t(1)},
                                  {P::RowNumber, std::int32_t(1)},
                                  {P::FieldNumber, std::int32_t(1)},
                                  {P::ValueOfFieldInteger, std::int32_t(1)}};
  const AccessCase cases[] = {
      {"GetDeviceMetrics", 0, 0},
      {"ReadModelParam", 12345, 0},
      {"GetShortECRStatus", 1, 0},
      {"GetShortECRStatus", 29, 0},
      {"GetShortECRStatus", 0, result::WrongPassword},
      {"GetFontMetrics", 1, result::WrongPassword},
      {"ReadTable", 29, result::WrongPassword},
      {"ReadTable", 30, 0},
      {"WriteTable", 1, result::WrongPassword},
      {"WriteTable", passwords::DefaultService, 0},
      {"WriteTable", 30, 0},
      {"ReadTable", passwords::DefaultService, result::WrongPassword},
  };
  for (const AccessCase& c : cases)
    EXPECT_EQ(result(c.method, withPassword(c.password, table)), c.expected)
        << c.method << " with " << c.password;
}

TEST_F(RegisterTest, APasswordChangedInTheOperatorTableTakesEffectAtOnce) {
  const wire::Properties adminPassword = {{P::TableNumber, std::int32_t(2)},
                                          {P::RowNumber, std::int32_t(30)},
                                          {P::FieldNumber, std::int32_t(1)},
                                          {P::ValueOfFieldInteger, std::int32_t(4321)}};
  ASSERT_EQ(result("WriteTable", withPassword(30, adminPassword)), 0);
  EXPECT_EQ(result("GetShortECRStatus", withPassword(30)), result::WrongPassword);
  const auto answer = call("GetShortECRStatus", withPassword(4321));
  EXPECT_EQ(answer.result, 0);
  EXPECT_EQ(caller.OperatorNumber(), 30);
  restart();
  EXPECT_EQ(result("GetShortECRStatus", withPassword(4321)), 0);
}

TEST_F(RegisterTest, TheServicePasswordChangesOnlyWithTheCurrentOne) {
  const auto change = [&](std::int32_t current, std::int32_t next) {
    return result("SetSCPassword", {{P::SCPassword, current}, {P::NewSCPassword, next}});
  };
  EXPECT_EQ(change(1, 2), result::WrongPassword);
  EXPECT_EQ(change(passwords::DefaultService, -5), result::InvalidParameters);
  ASSERT_EQ(change(passwords::DefaultService, 777), 0);
  const wire::Properties table = {{P::TableNumber, std::int32_t(10)},
                                  {P::RowNumber, std::int32_t(1)},
                                  {P::FieldNumber, std::int32_t(7)},
                                  {P::ValueOfFieldInteger, std::int32_t(1)}};
  EXPECT_EQ(result("WriteTable", withPassword(passwords::DefaultService, table)),
            result::WrongPassword);
  EXPECT_EQ(result("WriteTable", withPassword(777, table)), 0);
}

}  // namespace
