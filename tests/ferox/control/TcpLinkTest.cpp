#include "ControlTestSupport.h"
#include "ResultCodes.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class TcpConnection : public ::testing::Test {
 protected:
  void connectTo(int port, const QString& host = QStringLiteral("127.0.0.1")) {
    control.setProperty("ConnectionType", 6);
    control.setProperty("ComputerName", host);
    control.setProperty("TCPPort", port);
    control.setProperty("TCPConnectionTimeout", 2000);
    control.setProperty("Timeout", 300);
  }

  CleanProfile profile;
  FeroxControl control;
};

TEST_F(TcpConnection, TalksFramesToARegisterOnTheNetwork) {
  TcpRegister server;
  connectTo(server.port(), QStringLiteral("localhost"));
  EXPECT_EQ(control.callMethod("GetECRStatus"), 0);
  EXPECT_EQ(control.getProperty("ECRMode"), DriverValue(std::int32_t(4)));
  EXPECT_EQ(control.getProperty("Connected"), DriverValue(true));

  control.setProperty("BinaryConversion", 1);
  control.setProperty("TransferBytes", QStringLiteral("11 22 33"));
  EXPECT_EQ(control.callMethod("ExchangeBytes"), 0);
  EXPECT_EQ(control.getProperty("TransferBytes"), DriverValue(QStringLiteral("33 22 11")));
}

TEST_F(TcpConnection, ServesWhicheverThreadUsesItOneAtATime) {
  TcpRegister server;
  connectTo(server.port());
  ASSERT_EQ(control.callMethod("Connect"), 0);
  std::int32_t onWorker = -100;
  std::thread worker([&] {
    onWorker = control.callMethod("GetECRStatus");
    control.setProperty("StringForPrinting", QStringLiteral("с рабочего потока"));
  });
  worker.join();
  EXPECT_EQ(onWorker, 0);
  EXPECT_EQ(control.callMethod("PrintString"), 0);
  EXPECT_EQ(control.getProperty("Connected"), DriverValue(true));
}

TEST_F(TcpConnection, UsesTheIpAddressWhenToldTo) {
  TcpRegister server;
  connectTo(server.port(), QStringLiteral("no-such-host.invalid"));
  control.setProperty("UseIPAddress", true);
  control.setProperty("IPAddress", QStringLiteral("127.0.0.1"));
  EXPECT_EQ(control.callMethod("Connect"), 0);
}

TEST_F(TcpConnection, ReportsWhatWentWrongOnTheWay) {
  int closedPort = 0;
  {
    TcpRegister gone;
    closedPort = gone.port();
  }
  TcpRegister silent(TcpRegister::Behaviour::Silent);
  TcpRegister noisy(TcpRegister::Behaviour::Garbage);
  const std::pair<int, std::int32_t> cases[] = {
      {closedPort, result::PortUnavailable},
      {silent.port(), result::NoConnection},
      {noisy.port(), result::BadAnswer},
  };
  for (const auto& [port, expected] : cases) {
    connectTo(port);
    EXPECT_EQ(control.callMethod("Connect"), expected) << port;
    EXPECT_EQ(control.getProperty("Connected"), DriverValue(false));
  }
  connectTo(0);
  EXPECT_EQ(control.callMethod("Connect"), result::InvalidSetting);
  control.setProperty("ConnectionType", 3);
  EXPECT_EQ(control.callMethod("Connect"), result::InvalidSetting);
}

}  // namespace
