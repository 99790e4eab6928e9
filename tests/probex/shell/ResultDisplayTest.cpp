#include "DriverBusyGate.h"
#include "RecordingDriverScope.h"
#include "ResultDisplay.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ResultDisplayTest : public ::testing::Test {
 protected:
  ResultDisplayTest() {
    recorder.preset("ECRInput", QStringLiteral("02 01 10"))
        .preset("ECROutput", QStringLiteral("03 10 00"))
        .preset("OperatorNumber", 30)
        .preset("ResultCode", 0)
        .preset("ResultCodeDescription", QStringLiteral("Ошибок нет"));
  }

  RecordingDriverScope scope;
  RecordingDriver& recorder = scope.recorder();
  quint32 tick = 0;
  ResultDisplay display{[this] { return tick; }};
};

TEST_F(ResultDisplayTest, TimeIsTheUnsignedDifferenceOfTheTicks) {
  struct Case {
    quint32 start, end;
    QString time;
  };
  const Case cases[] = {{1000, 1250, "250 мс"}, {7, 7, "0 мс"}, {0xFFFFFFF0, 0x10, "32 мс"}};
  for (const Case& c : cases) {
    tick = c.start;
    display.actionStarted();
    tick = c.end;
    display.actionEnded();
    EXPECT_EQ(display.texts().time, c.time) << c.start;
  }
}

TEST_F(ResultDisplayTest, StartClearsAndEndShowsTheDriversLastCall) {
  recorder.preset("ResultCode", -7).preset("ResultCodeDescription", QStringLiteral("Нет бумаги"));
  display.actionEnded();
  ASSERT_EQ(display.texts(),
            (ResultTexts{"(-7) Нет бумаги", "02 01 10", "03 10 00", "0 мс", "30"}));
  display.actionStarted();
  EXPECT_EQ(display.texts(), ResultTexts{});
}

TEST_F(ResultDisplayTest, AFailureLeavesTheTextsAsFarAsTheyGot) {
  bool tickFails = false;
  ResultDisplay failing([&]() -> quint32 {
    if (tickFails) throw std::runtime_error("no clock");
    return 0;
  });
  failing.actionStarted();
  tickFails = true;
  EXPECT_NO_THROW(failing.actionEnded());
  EXPECT_EQ(failing.texts(), (ResultTexts{"(0) Ошибок нет", "02 01 10", "03 10 00", {}, {}}));
}

TEST_F(ResultDisplayTest, ReadsNothingWhileAWorkerHoldsTheDriver) {
  recorder.clearJournal();
  {
    const DriverBusyGate::Holder worker(QStringLiteral("Проверка связи"));
    display.actionStarted();
    display.actionEnded();
  }
  EXPECT_TRUE(recorder.all().isEmpty());
  EXPECT_EQ(display.texts(), ResultTexts{});
}

}  // namespace
