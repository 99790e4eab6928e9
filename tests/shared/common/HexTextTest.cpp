#include "HexText.h"

#include <gtest/gtest.h>

namespace {

TEST(HexText, WritesUpperCasePairsSeparatedBySingleBlanks) {
  EXPECT_EQ(bytesToHexText(QByteArray("\x02\x05\x10\x1e", 4)), "02 05 10 1E");
  EXPECT_EQ(bytesToHexText(QByteArray("\xff\x00", 2)), "FF 00");
  EXPECT_EQ(bytesToHexText({}), "");
}

struct ParseCase {
  const char* text;
  QByteArray bytes;
};

const ParseCase parseCases[] = {
    {"10 1E", QByteArray("\x10\x1e", 2)},
    {"10 1E 0", QByteArray("\x10\x1e\x00", 3)},
    {"10 ZZ 1E", QByteArray("\x10", 1)},
    {"101E", QByteArray("\x10\x1e", 2)},
    {"ab cD", QByteArray("\xab\xcd", 2)},
    {"  1  2 ", QByteArray("\x01\x02", 2)},
    {"1 2 3", QByteArray("\x01\x02\x03", 3)},
    {"F", QByteArray("\x0f", 1)},
    {"", QByteArray()},
    {"   ", QByteArray()},
    {"G1 00", QByteArray()},
    {"12\t34", QByteArray("\x12", 1)},
    {"12 3", QByteArray("\x12\x03", 2)},
    {"123", QByteArray("\x12\x03", 2)},
    {"12 Ж", QByteArray("\x12", 1)},
};

TEST(HexText, ReadsLenientlyAndStopsAtTheFirstBadGroup) {
  for (const ParseCase& c : parseCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(hexTextToBytes(QString::fromUtf8(c.text)), c.bytes);
  }
}

TEST(HexText, RoundTripsEveryByte) {
  QByteArray all;
  for (int i = 0; i < 256; ++i) all.append(char(i));
  EXPECT_EQ(hexTextToBytes(bytesToHexText(all)), all);
}

}  // namespace
