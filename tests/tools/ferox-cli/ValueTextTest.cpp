#include "ValueText.h"

#include <gtest/gtest.h>

namespace {

const QDateTime moment(QDate(2026, 12, 11), QTime(14, 30, 5, 123));

struct Match {
  PropertyType type;
  DriverValue actual;
  const char* expected;
  std::optional<bool> matches;
};

TEST(ExpectedValue, ComparesByThePropertysType) {
  const Match cases[] = {
      {PropertyType::Currency, Currency::fromString(u"246.9"), "246.9000", true},
      {PropertyType::Currency, Currency::fromString(u"246.9"), "246,90", true},
      {PropertyType::Currency, Currency::fromString(u"246.9"), "246.91", false},
      {PropertyType::Currency, Currency::fromString(u"-0.5"), "-0.5", true},
      {PropertyType::Currency, Currency::fromString(u"1"), "1.00001", std::nullopt},
      {PropertyType::Double, 246.9, "246.9000", true},
      {PropertyType::Double, 0.1 + 0.2, "0.3", true},
      {PropertyType::Double, 1.5, "1,5", true},
      {PropertyType::Double, 1.5, "1.6", false},
      {PropertyType::Double, 1.5, "one", std::nullopt},
      {PropertyType::Integer, std::int32_t(4), "4", true},
      {PropertyType::Integer, std::int32_t(4), " 4 ", true},
      {PropertyType::Integer, std::int32_t(-3), "-3", true},
      {PropertyType::Integer, std::int32_t(4), "5", false},
      {PropertyType::Integer, std::int32_t(4), "4.0", std::nullopt},
      {PropertyType::Boolean, true, "true", true},
      {PropertyType::Boolean, true, "TRUE", true},
      {PropertyType::Boolean, true, "1", true},
      {PropertyType::Boolean, true, "-1", true},
      {PropertyType::Boolean, true, "0", false},
      {PropertyType::Boolean, false, "false", true},
      {PropertyType::Boolean, false, "0", true},
      {PropertyType::Boolean, false, "no", std::nullopt},
      {PropertyType::Text, QStringLiteral("Смена закрыта"), "Смена закрыта", true},
      {PropertyType::Text, QStringLiteral("Смена закрыта"), "смена закрыта", false},
      {PropertyType::Text, QString(), "", true},
      {PropertyType::DateTime, moment, "2026-12-11", true},
      {PropertyType::DateTime, moment, "11.12.2026", true},
      {PropertyType::DateTime, moment, "2026-12-12", false},
      {PropertyType::DateTime, moment, "14:30:05", true},
      {PropertyType::DateTime, moment, "14:30", true},
      {PropertyType::DateTime, moment, "14:31", false},
      {PropertyType::DateTime, moment, "2026-12-11T14:30:05", true},
      {PropertyType::DateTime, moment, "2026-12-11T14:30:05.123", true},
      {PropertyType::DateTime, moment, "2026-12-11T14:30:05.124", false},
      {PropertyType::DateTime, moment, "11.12.2026 14:30", true},
      {PropertyType::DateTime, moment, "2026-12-10 14:30:05", false},
      {PropertyType::DateTime, moment, "tomorrow", std::nullopt},
      {PropertyType::Bytes, QByteArray("\x02\x1e\xff", 3), "02 1E FF", true},
      {PropertyType::Bytes, QByteArray("\x02\x1e\xff", 3), "021eff", true},
      {PropertyType::Bytes, QByteArray("\x02\x1e\xff", 3), "02 1E", false},
      {PropertyType::Bytes, QByteArray("\x02", 1), "2", std::nullopt},
      {PropertyType::Variant, std::int32_t(48), "48", true},
      {PropertyType::Variant, std::int32_t(48), "48.5", std::nullopt},
      {PropertyType::Variant, true, "1", true},
      {PropertyType::Variant, QStringLiteral("48"), "48", true},
  };
  for (const Match& c : cases)
    EXPECT_EQ(matchesText(c.type, c.actual, QString::fromUtf8(c.expected)), c.matches)
        << c.expected << " against " << valueToText(c.actual).toStdString();
}

TEST(DisplayedValue, IsTheOrdinaryTextWithBytesInHexadecimal) {
  const std::pair<DriverValue, const char*> cases[] = {
      {std::int32_t(-7), "-7"},
      {true, "-1"},
      {Currency::fromString(u"246.9"), "246.9000"},
      {QStringLiteral("\"в кавычках\""), "\"в кавычках\""},
      {QByteArray("\x02\x1e\xff", 3), "02 1E FF"},
      {moment, "2026-12-11T14:30:05.123"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(displayText(value).toStdString(), text);
}

}  // namespace
