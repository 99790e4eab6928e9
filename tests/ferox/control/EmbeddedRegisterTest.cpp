#include "ControlTestSupport.h"
#include "ResultCodes.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

// The control as the programs get it on a fresh machine: the embedded register, here
// with its state in the test's own folder.
class EmbeddedRegister : public ::testing::Test {
 protected:
  static QString registerFolder(const CleanProfile& profile) {
    QSettings settings(profile.path("ferox.ini"), QSettings::IniFormat);
    settings.setValue("Connection/EmbeddedStateDir", profile.path("register"));
    settings.sync();
    return profile.path("register");
  }

  void selectField(int table, int row, int field) {
    control.setProperty("TableNumber", table);
    control.setProperty("RowNumber", row);
    control.setProperty("FieldNumber", field);
  }

  CleanProfile profile;
  QString folder = registerFolder(profile);
  FeroxControl control;
};

TEST_F(EmbeddedRegister, ConnectsAndReportsItsStatus) {
  EXPECT_EQ(control.callMethod("Connect"), 0);
  EXPECT_EQ(control.getProperty("Connected"), DriverValue(true));
  EXPECT_FALSE(valueToText(control.getProperty("UDescription")).isEmpty());
  EXPECT_EQ(control.callMethod("GetECRStatus"), 0);
  EXPECT_EQ(control.getProperty("ECRMode"), DriverValue(std::int32_t(4)));
  EXPECT_TRUE(valueToText(control.getProperty("ECRInput")).startsWith("02 "));
  EXPECT_TRUE(valueToText(control.getProperty("ECROutput")).startsWith("02 "));
}

TEST_F(EmbeddedRegister, WritesAndReadsBackATableFieldAndRefusesBadValues) {
  selectField(1, 1, 1);
  control.setProperty("ValueOfFieldInteger", 17);
  EXPECT_EQ(control.callMethod("WriteTable"), 0);
  control.setProperty("ValueOfFieldInteger", 0);
  EXPECT_EQ(control.callMethod("ReadTable"), 0);
  EXPECT_EQ(control.getProperty("ValueOfFieldInteger"), DriverValue(std::int32_t(17)));

  control.setProperty("ValueOfFieldInteger", 100);
  EXPECT_EQ(control.callMethod("WriteTable"), result::FieldValueOutOfRange);
  selectField(1, 1, 200);
  EXPECT_EQ(control.callMethod("ReadTable"), result::NoSuchTableItem);

  FeroxControl another;
  another.setProperty("TableNumber", 1);
  another.setProperty("RowNumber", 1);
  another.setProperty("FieldNumber", 1);
  EXPECT_EQ(another.callMethod("ReadTable"), 0);
  EXPECT_EQ(another.getProperty("ValueOfFieldInteger"), DriverValue(std::int32_t(17)));
}

TEST_F(EmbeddedRegister, AnswersPasswordsAndMethodsItDoesNotKnowHonestly) {
  control.setProperty("Password", 12345);
  EXPECT_EQ(control.callMethod("GetECRStatus"), result::WrongPassword);
  control.setProperty("Password", 30);
  EXPECT_EQ(control.callMethod("FNGetStatus"), result::NotSupported);
}

TEST_F(EmbeddedRegister, RunsRawCommands) {
  control.setProperty("BinaryConversion", 1);
  control.setProperty("TransferBytes", QStringLiteral("FC"));
  EXPECT_EQ(control.callMethod("ExchangeBytes"), 0);
  EXPECT_TRUE(valueToText(control.getProperty("TransferBytes")).startsWith("FC 00"));
  control.setProperty("TransferBytes", QStringLiteral("77"));
  EXPECT_EQ(control.callMethod("ExchangeBytes"), result::NotSupported);
}

}  // namespace

namespace {

TEST_F(EmbeddedRegister, PrintsOnTheReceiptStationWithoutChoosingOne) {
  control.setProperty("StringForPrinting", QStringLiteral("Первая строка"));
  EXPECT_EQ(control.callMethod("PrintString"), 0);
}

}  // namespace
