#include "RegistrationNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistrationNumber, ChecksumIsCrc16CcittFalse) {
  EXPECT_EQ(CRCCITT16(u"123456789"), 0x29B1);
  EXPECT_EQ(CRCCITT16(u""), 0xFFFF);
  EXPECT_EQ(CRCCITT16(u"123456789", 0x1021, 0x0000), 0x31C3);
}

TEST(RegistrationNumber, ChecksumTakesTheLowEightBitsOfEachCharacter) {
  // U+0431 and U+0132 end in the bytes 0x31 and 0x32, the codes of '1' and '2'.
  EXPECT_EQ(CRCCITT16(u"\u0431\u0132"), CRCCITT16(u"12"));
  EXPECT_NE(CRCCITT16(u"\u0431\u0132"), CRCCITT16(u"13"));
}

struct PadCase {
  QString text;
  int width;
  QString cut;
  QString kept;
};

const PadCase padCases[] = {
    {"1", 10, "0000000001", "0000000001"},
    {"", 6, "000000", "000000"},
    {"123456", 6, "123456", "123456"},
    {"12345678901", 10, "1234567890", "12345678901"},
};

TEST(RegistrationNumber, PaddingCutsOrKeepsALongerText) {
  for (const PadCase& c : padCases) {
    SCOPED_TRACE(c.text.toStdString());
    EXPECT_EQ(AddLeadingZeros(c.text, c.width), c.cut);
    EXPECT_EQ(PadLeftZeros(c.text, c.width), c.kept);
  }
}

struct GenerateCase {
  QString number;
  QString inn;
  QString serial;
  QString testProgram;
  QString wizard;
};

// Expected values computed independently with CRC-16/CCITT-FALSE over the padded parts.
const GenerateCase generateCases[] = {
    {"1", "1234567890", "1", "0000000001010564", "0000000001010564"},
    {"", "", "", "0000000000027160", "0000000000027160"},
    {"9999999999", "771234567890", "00000000012345678901", "9999999999020090", "9999999999020090"},
    {"12345678901", "1234567890", "1", "1234567890003878", "12345678901006754"},
    {"5", "1234567890123", "1", "0000000005042273", "0000000005048951"},
    {"5", "1", "123456789012345678901", "0000000005003659", "0000000005036028"},
};

TEST(RegistrationNumber, GeneratesTheNumberAndItsCheckDigits) {
  for (const GenerateCase& c : generateCases) {
    SCOPED_TRACE(c.number.toStdString());
    EXPECT_EQ(GenerateRNM(c.number, c.inn, c.serial, RnmPadding::CutToWidth), c.testProgram);
    EXPECT_EQ(GenerateRNM(c.number, c.inn, c.serial, RnmPadding::KeepLonger), c.wizard);
  }
}

TEST(RegistrationNumber, EmptyInnAndSerialGiveAValidNumber) {
  const QString rnm = GenerateRNM("77", "", "", RnmPadding::KeepLonger);
  EXPECT_EQ(rnm, "0000000077008183");
  EXPECT_TRUE(CheckRNM(rnm, "", ""));
}

struct CheckCase {
  QString rnm;
  QString inn;
  QString serial;
  bool valid;
};

const CheckCase checkCases[] = {
    {"0000000001010564", "1234567890", "1", true},
    {"0000000001010565", "1234567890", "1", false},
    {"0000000002010564", "1234567890", "1", false},
    {"0000000001010564", "1234567891", "1", false},
    {"0000000001010564", "1234567890", "2", false},
    {"0000000001010564", "001234567890", "00000000000000000001", true},
    {"000000000101056", "1234567890", "1", false},
    {"00000000010105640", "1234567890", "1", false},
    {"1", "1234567890", "1", false},
    {"", "1234567890", "1", false},
};

TEST(RegistrationNumber, CheckAcceptsExactlyTheGeneratedNumber) {
  for (const CheckCase& c : checkCases) {
    SCOPED_TRACE(c.rnm.toStdString() + " " + c.inn.toStdString() + " " + c.serial.toStdString());
    EXPECT_EQ(CheckRNM(c.rnm, c.inn, c.serial), c.valid);
  }
}

TEST(RegistrationNumber, CheckRejectsTheWizardsSeventeenCharacterNumber) {
  const QString rnm = GenerateRNM("12345678901", "1", "1", RnmPadding::KeepLonger);
  EXPECT_FALSE(CheckRNM(rnm, "1", "1"));
}

}  // namespace
