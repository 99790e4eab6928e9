#include "Currency.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct ParseCase {
  const char* text;
  std::optional<std::int64_t> scaled;
};

const ParseCase parseCases[] = {
    {"0", 0},
    {"1", 10000},
    {"12.3456", 123456},
    {"12,34", 123400},
    {"-0.0001", -1},
    {"+5.", 50000},
    {".5", 5000},
    {"922337203685477.5807", INT64_MAX},
    {"-922337203685477.5807", -INT64_MAX},
    {"922337203685477.5808", std::nullopt},
    {"10000000000000000000000", std::nullopt},
    {"1.23456", std::nullopt},
    {"", std::nullopt},
    {"-", std::nullopt},
    {".", std::nullopt},
    {"1.2.3", std::nullopt},
    {" 1", std::nullopt},
    {"1e3", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"0x1p3", std::nullopt},
};

TEST(Currency, ParsesExactlyOrRefuses) {
  for (const ParseCase& c : parseCases) {
    const auto parsed = Currency::parse(QString::fromUtf8(c.text));
    SCOPED_TRACE(c.text);
    ASSERT_EQ(parsed.has_value(), c.scaled.has_value());
    if (parsed) {
      EXPECT_EQ(parsed->scaled(), *c.scaled);
    }
  }
}

TEST(Currency, PrintsFourDecimalsWithPoint) {
  EXPECT_EQ(Currency::fromScaled(123456).toString(), "12.3456");
  EXPECT_EQ(Currency::fromScaled(-1).toString(), "-0.0001");
  EXPECT_EQ(Currency::fromUnits(0).toString(), "0.0000");
  EXPECT_EQ(Currency::fromScaled(INT64_MIN).toString(), "-922337203685477.5808");
}

TEST(Currency, FromDoubleRoundsHalfAwayFromZeroAndRefusesNonFinite) {
  EXPECT_EQ(Currency::fromDouble(0.00005)->scaled(), 1);
  EXPECT_EQ(Currency::fromDouble(-0.00005)->scaled(), -1);
  EXPECT_EQ(Currency::fromDouble(246.9)->scaled(), 2469000);
  EXPECT_FALSE(Currency::fromDouble(1e300).has_value());
  EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()).has_value());
}

TEST(Currency, ArithmeticAndOrderAreExact) {
  const Currency a = Currency::fromString(u"0.1");
  const Currency b = Currency::fromString(u"0.2");
  EXPECT_EQ(a + b, Currency::fromString(u"0.3"));
  EXPECT_LT(b - a - a, Currency::fromScaled(1));
  EXPECT_EQ(-a, Currency::fromString(u"-0.1"));
  EXPECT_THROW(Currency::fromString(u"abc"), std::invalid_argument);
}

}  // namespace
