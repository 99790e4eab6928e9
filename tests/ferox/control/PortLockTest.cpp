#include "ControlTestSupport.h"
#include "ResultCodes.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

class PortLocking : public ::testing::Test {
 protected:
  static void onPort(FeroxControl& control, int comNumber) {
    control.setProperty("ConnectionType", 0);
    control.setProperty("ComNumber", comNumber);
  }

  CleanProfile profile;
  FeroxControl first;
  FeroxControl second;
};

TEST_F(PortLocking, ALockHeldByAnotherProcessIsRefused) {
  QProcess holder;
  holder.start(QStringLiteral(CONTROL_HELPER), {QStringLiteral("lock"), QStringLiteral("5")});
  ASSERT_TRUE(holder.waitForStarted());
  ASSERT_TRUE(holder.waitForReadyRead(10000));
  ASSERT_EQ(holder.readLine().trimmed(), "0");

  onPort(first, 5);
  EXPECT_EQ(first.callMethod("LockPort"), result::PortBusy);
  EXPECT_EQ(first.getProperty("ResultCodeDescription"),
            DriverValue(resultCodeDescription(result::PortBusy)));

  holder.closeWriteChannel();
  ASSERT_TRUE(holder.waitForFinished(10000));
  EXPECT_EQ(first.callMethod("LockPort"), 0);
}

TEST_F(PortLocking, OneControlHoldsAPortUntilItLetsGo) {
  onPort(first, 1);
  onPort(second, 1);
  EXPECT_EQ(first.callMethod("LockPort"), 0);
  EXPECT_EQ(first.callMethod("LockPort"), 0);
  EXPECT_EQ(second.callMethod("LockPort"), result::PortBusy);
  onPort(second, 2);
  EXPECT_EQ(second.callMethod("LockPort"), 0);
  onPort(second, 1);
  EXPECT_EQ(second.callMethod("LockPort"), result::PortBusy);
  EXPECT_EQ(first.callMethod("UnlockPort"), 0);
  EXPECT_EQ(second.callMethod("LockPort"), 0);
}

TEST_F(PortLocking, TheLockGoesWithItsControl) {
  onPort(second, 4);
  {
    FeroxControl holder;
    onPort(holder, 4);
    ASSERT_EQ(holder.callMethod("LockPort"), 0);
    EXPECT_EQ(second.callMethod("LockPort"), result::PortBusy);
  }
  EXPECT_EQ(second.callMethod("LockPort"), 0);
}

TEST_F(PortLocking, TheAdministratorBreaksAStuckLock) {
  onPort(first, 1);
  onPort(second, 1);
  ASSERT_EQ(first.callMethod("LockPort"), 0);
  EXPECT_EQ(second.callMethod("AdminUnlockPort"), 0);
  EXPECT_EQ(second.callMethod("LockPort"), 0);
  onPort(first, 2);
  ASSERT_EQ(first.callMethod("LockPort"), 0);
  EXPECT_EQ(second.callMethod("AdminUnlockPorts"), 0);
  onPort(second, 2);
  EXPECT_EQ(second.callMethod("LockPort"), 0);
}

TEST_F(PortLocking, TcpRegistersAreLockedByAddress) {
  for (FeroxControl* control : {&first, &second}) {
    control->setProperty("ConnectionType", 6);
    control->setProperty("ComputerName", QStringLiteral("192.0.2.7"));
    control->setProperty("TCPPort", 7778);
  }
  EXPECT_EQ(first.callMethod("LockPort"), 0);
  EXPECT_EQ(second.callMethod("LockPort"), result::PortBusy);
  second.setProperty("TCPPort", 7779);
  EXPECT_EQ(second.callMethod("LockPort"), 0);
}

}  // namespace
