#include "RegisterFixture.h"
#include "ResultCodes.h"

namespace {

using P = PropertyId;

DriverValue paramByNumber(RegisterTest& test, int number) {
  const auto answer =
      test.call("ReadModelParamValue", {{P::ModelParamNumber, std::int32_t(number)}});
  EXPECT_EQ(answer.result, 0) << number;
  return test.caller.ModelParamValue();
}

struct ParamCase {
  const char* profile;
  int number;
  DriverValue value;
};

TEST_F(RegisterTest, ModelParametersDescribeEachModel) {
  const ParamCase cases[] = {
      {"standard", 32, std::int32_t(44)},
      {"standard", 72, std::int32_t(18)},
      {"standard", 73, std::int32_t(19)},
      {"standard", 75, std::int32_t(24)},
      {"standard", 35, true},
      {"standard", 22, true},
      {"standard", 28, false},
      {"standard", 24, std::int32_t(48)},
      {"standard", 55, std::int32_t(72)},
      {"standard", 37, std::int32_t(30)},
      {"standard", 71, true},
      {"standard", 31, std::int32_t(30)},
      {"compact", 35, false},
      {"compact", 22, false},
      {"compact", 24, std::int32_t(32)},
      {"compact", 25, std::int32_t(38)},
      {"cashcore", 28, true},
      {"cashcore", 72, std::int32_t(13)},
      {"cashcore", 73, std::int32_t(19)},
      {"cashcore", 75, std::int32_t(16)},
      {"cashcore", 32, std::int32_t(45)},
  };
  for (const ParamCase& c : cases) {
    configure([&](RegisterSettings& s) { s.profile = QString::fromLatin1(c.profile); });
    EXPECT_EQ(paramByNumber(*this, c.number), c.value) << c.profile << " parameter " << c.number;
  }
}

TEST_F(RegisterTest, TablesNamedByModelParametersAreTheRightOnes) {
  for (const char* profile : {"standard", "cashcore"}) {
    SCOPED_TRACE(profile);
    configure([&](RegisterSettings& s) { s.profile = QString::fromLatin1(profile); });
    const std::pair<int, const char16_t*> expected[] = {
        {72, u"Фискальный накопитель"}, {73, u"Параметры ОФД"}, {75, u"Автомат"}};
    for (const auto& [param, name] : expected) {
      const std::int32_t table = valueToInt(paramByNumber(*this, param));
      ASSERT_EQ(result("GetTableStruct", asAdmin({{P::TableNumber, table}})), 0);
      EXPECT_EQ(caller.TableName(), QString::fromUtf16(name));
    }
  }
}

TEST_F(RegisterTest, ParametersListByIndexAgreeWithReadingByNumber) {
  ASSERT_EQ(result("GetDeviceMetrics"), 0);
  const int count = caller.ModelParamCount();
  QList<int> numbers;
  for (int index = 0; index < count; ++index) {
    ASSERT_EQ(result("ReadModelParam", {{P::ModelParamIndex, std::int32_t(index)}}), 0);
    const int number = caller.ModelParamNumber();
    const DriverValue byIndex = caller.ModelParamValue();
    EXPECT_FALSE(caller.ModelParamDescription().isEmpty());
    EXPECT_EQ(paramByNumber(*this, number), byIndex) << number;
    numbers << number;
  }
  EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
  EXPECT_TRUE(numbers.contains(72) && numbers.contains(73) && numbers.contains(75));
  EXPECT_EQ(result("ReadModelParam", {{P::ModelParamIndex, std::int32_t(count)}}),
            result::InvalidParameters);
  EXPECT_EQ(result("ReadModelParamValue", {{P::ModelParamNumber, std::int32_t(33)}}),
            result::InvalidParameters);
}

TEST_F(RegisterTest, ErrorDescriptionsComeFromTheCatalogue) {
  ASSERT_EQ(result("ReadErrorDescription", {{P::ErrorCode, std::int32_t(93)}}), 0);
  EXPECT_EQ(caller.ErrorDescription(), resultCodeDescription(93));
  ASSERT_EQ(result("ReadErrorDescription", {{P::ErrorCode, std::int32_t(0)}}), 0);
  EXPECT_EQ(caller.ErrorDescription(), u"Ошибок нет");
  EXPECT_EQ(result("ReadErrorDescription", {{P::ErrorCode, std::int32_t(256)}}),
            result::InvalidParameters);
}

}  // namespace
