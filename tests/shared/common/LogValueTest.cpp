#include "LogValue.h"

#include <gtest/gtest.h>

namespace {

struct QuoteCase {
  QString text;
  QString literal;
};

const QuoteCase quoteCases[] = {
    {"abc\ndef", "'abc'#$0a'def'"},
    {"", "''"},
    {"plain", "'plain'"},
    {"\n", "#$0a"},
    {"line\r\n", "'line'#$0d#$0a"},
    {"\tx", "#$09'x'"},
    {QString(1, QChar(0)) + "\x1f", "#$00#$1f"},
    {" ", "' '"},
    {"it's", "'it''s'"},
    {"'", "''''"},
    {QString::fromUtf8("Касса №1"), QString::fromUtf8("'Касса №1'")},
};

TEST(LogValue, TextIsAQuotedLiteralWithControlCharactersAsCodes) {
  for (const QuoteCase& c : quoteCases) {
    SCOPED_TRACE(c.literal.toStdString());
    EXPECT_EQ(quotedLogText(c.text), c.literal);
    EXPECT_EQ(LogValue(c.text).text(), c.literal);
  }
}

TEST(LogValue, OtherValuesAreWrittenInTheirOrdinaryForm) {
  EXPECT_EQ(LogValue().text(), "NULL");
  EXPECT_EQ(LogValue(nullptr).text(), "NULL");
  EXPECT_EQ(LogValue(42).text(), "42");
  EXPECT_EQ(LogValue(-7).text(), "-7");
  EXPECT_EQ(LogValue(std::uint64_t(18446744073709551615u)).text(), "18446744073709551615");
  EXPECT_EQ(LogValue(2.5).text(), "2.5");
  EXPECT_EQ(LogValue(0.1).text(), "0.1");
  EXPECT_EQ(LogValue(true).text(), "true");
  EXPECT_EQ(LogValue(false).text(), "false");
  EXPECT_EQ(LogValue("COM1").text(), "'COM1'");
}

}  // namespace
