#include "DriverBusyGate.h"
#include "FeroxError.h"
#include "RecordingDriverScope.h"
#include "ShellTestSupport.h"
#include "TDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <thread>

namespace {

const QString BusyWithConnectionTest = QStringLiteral(
    "Драйвер занят: выполняется операция на странице «Проверка связи». Дождитесь её "
    "окончания или остановите её.");

class DriverBusyGateTest : public ::testing::Test {
 protected:
  DriverBusyGateTest() {
    page.print = [] { Driver().Connect(); };
  }

  RecordingDriverScope scope;
  RecordingDriver& recorder = scope.recorder();
  DisplayedActions displayed;
  ErrorCapture errors;
  TestPage page;
};

TEST_F(DriverBusyGateTest, RefusesOtherActionsUntilTheWorkerEnds) {
  auto worker = std::make_optional<DriverBusyGate::Holder>(QStringLiteral("Проверка связи"));

  QTest::mouseClick(page.btnPrint, Qt::LeftButton);
  EXPECT_EQ(errors.messages, QStringList({BusyWithConnectionTest}));
  EXPECT_TRUE(recorder.all().isEmpty()) << "not even the result display may read the driver";
  EXPECT_TRUE(page.btnPrint->isEnabled());

  worker.reset();
  QTest::mouseClick(page.btnPrint, Qt::LeftButton);
  EXPECT_EQ(recorder.calls(), QStringList({"Connect()"}));
  EXPECT_EQ(errors.messages.size(), 1);
}

TEST_F(DriverBusyGateTest, ASecondHolderIsRefusedWithTheSameMessage) {
  const DriverBusyGate::Holder worker(QStringLiteral("Проверка связи"));
  try {
    DriverBusyGate::Holder second(QStringLiteral("Дамп"));
    FAIL() << "the gate was taken twice";
  } catch (const FeroxError& error) {
    EXPECT_EQ(error.message(), BusyWithConnectionTest);
  }
  EXPECT_EQ(DriverBusyGate::heldBy(), QStringLiteral("Проверка связи"));
}

TEST_F(DriverBusyGateTest, AStartActionHandsTheGateToItsWorkerThread) {
  std::thread worker;
  page.print = [&] {
    auto holder = std::make_shared<DriverBusyGate::Holder>(page.windowTitle());
    worker = std::thread([holder = std::move(holder)] { Driver().Connect(); });
  };
  QTest::mouseClick(page.btnPrint, Qt::LeftButton);
  ASSERT_TRUE(worker.joinable());
  worker.join();
  EXPECT_FALSE(DriverBusyGate::heldBy());
  EXPECT_EQ(recorder.calls(), QStringList({"Connect()"}));
  EXPECT_TRUE(errors.messages.isEmpty());
}

}  // namespace
