#include "DriverErrors.h"
#include "RecordingDriver.h"
#include "TFerox.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingDriver, JournalsWritesReadsAndCallsInOrder) {
  auto control = std::make_unique<RecordingDriver>();
  RecordingDriver& recorder = *control;
  TFerox driver(std::move(control));
  driver.setPassword(30);
  driver.setStringForPrinting(QStringLiteral("Строка"));
  driver.PrintStringWithWrap();
  EXPECT_EQ(driver.ResultCode(), 0);
  EXPECT_EQ(recorder.all(), QStringList({"Password=30", "StringForPrinting=Строка",
                                         "PrintStringWithWrap()", "?ResultCode"}));
  EXPECT_EQ(recorder.writesAndCalls(),
            QStringList({"Password=30", "StringForPrinting=Строка", "PrintStringWithWrap()"}));
  EXPECT_EQ(recorder.calls(), QStringList({"PrintStringWithWrap()"}));
}

TEST(RecordingDriver, AnswersScriptedSequencesAndOutputs) {
  auto control = std::make_unique<RecordingDriver>();
  RecordingDriver& recorder = *control;
  TFerox driver(std::move(control));
  recorder.describe(80, QStringLiteral("Идет печать предыдущей команды"));
  recorder.on("GetFontMetrics").returns({80, 80, 0}).setsInTurn("CharWidth", {0, 12, 24});
  EXPECT_EQ(driver.GetFontMetrics(), 80);
  EXPECT_EQ(driver.ResultCodeDescription(), "Идет печать предыдущей команды");
  EXPECT_EQ(driver.CharWidth(), 0);
  EXPECT_EQ(driver.GetFontMetrics(), 80);
  EXPECT_EQ(driver.CharWidth(), 12);
  EXPECT_EQ(driver.GetFontMetrics(), 0);
  EXPECT_EQ(driver.GetFontMetrics(), 0);
  EXPECT_EQ(driver.CharWidth(), 24);
  EXPECT_EQ(driver.ResultCodeDescription(), "Ошибок нет");
  EXPECT_EQ(recorder.callCount("GetFontMetrics"), 4);
}

TEST(RecordingDriver, FailsLikeTheMechanismOnUnknownNamesAndScriptedFailures) {
  RecordingDriver recorder;
  EXPECT_THROW(recorder.getProperty("NoSuchProperty"), DriverCallError);
  EXPECT_THROW(recorder.setProperty("NoSuchProperty", 1), DriverCallError);
  EXPECT_THROW(recorder.callMethod("NoSuchMethod"), DriverCallError);
  recorder.on("Connect").throws(QStringLiteral("Порт недоступен"));
  try {
    recorder.callMethod("Connect");
    FAIL() << "expected a mechanism failure";
  } catch (const DriverCallError& error) {
    EXPECT_EQ(error.message(), "Порт недоступен");
  }
}

TEST(RecordingDriver, TypedWrapperConvertsWhatTheControlHolds) {
  auto control = std::make_unique<RecordingDriver>();
  RecordingDriver& recorder = *control;
  TFerox driver(std::move(control));
  recorder.preset("ModelParamValue", QStringLiteral("72"));
  EXPECT_EQ(valueToInt(driver.ModelParamValue()), 72);
  recorder.preset("Password", QStringLiteral("not a number"));
  EXPECT_THROW(driver.Password(), DriverCallError);
}

}  // namespace
