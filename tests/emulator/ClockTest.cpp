#include "RegisterFixture.h"
#include "ResultCodes.h"

namespace {

using P = PropertyId;

wire::Properties dateInput(const QDate& date) {
  return asAdmin({{P::Date, QDateTime(date, QTime(0, 0))}});
}

QDateTime deviceNow(RegisterTest& test) {
  test.call("GetECRStatus", asAdmin());
  return test.caller.Time();
}

TEST_F(RegisterTest, EnteredAndConfirmedDateMovesTheClock) {
  const QDate target(2031, 7, 15);
  ASSERT_EQ(result("SetDate", dateInput(target)), 0);
  ASSERT_EQ(result("ConfirmDate", dateInput(target)), 0);
  const QDateTime now = deviceNow(*this);
  EXPECT_EQ(now.date(), target);
  EXPECT_EQ(caller.Date().date(), target);
  EXPECT_LT(std::abs(now.time().secsTo(QTime::currentTime())), 60) << "the time of day is kept";
}

TEST_F(RegisterTest, DateErrorsLeaveTheClockAlone) {
  const QDate today = deviceNow(*this).date();
  EXPECT_EQ(result("ConfirmDate", dateInput(QDate(2031, 7, 15))), result::DateNotEntered);
  EXPECT_EQ(result("SetDate", dateInput(QDate(1999, 12, 31))), result::InvalidDate);
  EXPECT_EQ(result("SetDate", dateInput(QDate(2100, 1, 1))), result::InvalidDate);
  ASSERT_EQ(result("SetDate", dateInput(QDate(2031, 7, 15))), 0);
  EXPECT_EQ(result("ConfirmDate", dateInput(QDate(2031, 7, 16))), result::DateMismatch);
  EXPECT_EQ(deviceNow(*this).date(), today);
  EXPECT_EQ(caller.ECRMode(), 6) << "the entered date still waits";
}

TEST_F(RegisterTest, AnEnteredDateHoldsBackOtherWorkUntilConfirmedOrReset) {
  ASSERT_EQ(result("SetDate", dateInput(QDate(2031, 7, 15))), 0);
  const wire::Properties print =
      asAdmin({{P::UseReceiptRibbon, true}, {P::StringForPrinting, QStringLiteral("x")}});
  EXPECT_EQ(result("PrintString", print), result::WrongMode);
  EXPECT_EQ(result("SetTime", asAdmin({{P::Time, QDateTime(QDate(2000, 1, 1), QTime(9, 0))}})),
            result::WrongMode);
  EXPECT_EQ(result("SetDate", dateInput(QDate(2031, 7, 20))), 0) << "a date may be entered again";
  ASSERT_EQ(result("ResetECR", asAdmin()), 0);
  EXPECT_EQ(result("ConfirmDate", dateInput(QDate(2031, 7, 20))), result::DateNotEntered);
  EXPECT_EQ(result("PrintString", print), 0);
}

TEST_F(RegisterTest, SetTimeKeepsTheDateAndDropsTheMilliseconds) {
  const QDate today = deviceNow(*this).date();
  ASSERT_EQ(
      result("SetTime", asAdmin({{P::Time, QDateTime(QDate(1899, 12, 30), QTime(3, 4, 5, 678))}})),
      0);
  const QDateTime now = deviceNow(*this);
  EXPECT_EQ(now.date(), today);
  EXPECT_GE(now.time(), QTime(3, 4, 5));
  EXPECT_LT(now.time(), QTime(3, 5, 5));
  EXPECT_EQ(result("SetTime", asAdmin({{P::Time, QDateTime()}})), result::InvalidTime);
}

TEST_F(RegisterTest, TheClockSurvivesARestart) {
  const QDate target(2032, 2, 29);
  ASSERT_EQ(result("SetDate", dateInput(target)), 0);
  ASSERT_EQ(result("ConfirmDate", dateInput(target)), 0);
  restart();
  EXPECT_EQ(deviceNow(*this).date(), target);
}

}  // namespace
