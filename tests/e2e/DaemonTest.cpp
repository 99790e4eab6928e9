#include "CliProcess.h"
#include "DaemonProcess.h"
#include "PortMap.h"
#include "RegisterUnderTest.h"
#include "ResultCodes.h"

#include "Frame.h"
#include "Message.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <thread>

// What the daemon does beyond answering one caller: many callers, its serial line and
// its speed, announcements, faults of the link, stopping, and refusing what it cannot do.
namespace {

std::int32_t writeDepartment(FeroxControl& control, int row, const QString& name) {
  control.setProperty("TableNumber", 6);
  control.setProperty("RowNumber", row);
  control.setProperty("FieldNumber", 1);
  control.setProperty("ValueOfFieldString", name);
  return control.callMethod("WriteTable");
}

QString readDepartment(FeroxControl& control, int row) {
  control.setProperty("TableNumber", 6);
  control.setProperty("RowNumber", row);
  control.setProperty("FieldNumber", 1);
  if (control.callMethod("ReadTable") != result::Ok) return QStringLiteral("(не прочитано)");
  return valueToString(control.getProperty("ValueOfFieldString"));
}

TEST(Daemon, ServesManyCallersEachWithItsOwnProperties) {
  RegisterUnderTest device(Transport::Tcp);
  constexpr int callers = 4;
  constexpr int rounds = 25;
  std::vector<std::thread> threads;
  std::vector<int> failures(callers, 0);
  for (int caller = 0; caller < callers; ++caller) {
    threads.emplace_back([&, caller] {
      const auto control = device.newControl();
      for (int round = 0; round < rounds; ++round) {
        const QString name = QStringLiteral("КАССИР %1 ШАГ %2").arg(caller).arg(round);
        if (writeDepartment(*control, caller + 1, name) != result::Ok ||
            readDepartment(*control, caller + 1) != name)
          ++failures[std::size_t(caller)];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(callers, 0));
}

TEST(Daemon, GivesEveryNewCallerAFreshSession) {
  // Longer than a line of the ordinary font: carried over, or cut at the line's end.
  const auto longLine = [](const QString& tail) { return QString(48, u'Ж') + tail; };
  for (const Transport transport : {Transport::Tcp, Transport::PseudoTerminal}) {
    SCOPED_TRACE(transportName(transport));
    RegisterUnderTest device(transport);
    {
      const auto first = device.newControl();
      first->setProperty("UseReceiptRibbon", true);
      first->setProperty("CarryStrings", true);
      first->setProperty("StringForPrinting", longLine(QStringLiteral("ПЕРЕНЕСЕНО")));
      ASSERT_EQ(first->callMethod("PrintString"), result::Ok);
    }
    // A new caller sends only what differs from the defaults: the register must not carry
    // strings over because the first caller asked it to.
    const auto second = device.newControl();
    second->setProperty("UseReceiptRibbon", true);
    second->setProperty("StringForPrinting", longLine(QStringLiteral("ОТРЕЗАНО")));
    ASSERT_EQ(second->callMethod("PrintString"), result::Ok);
    EXPECT_TRUE(device.tape().contains(QStringLiteral("ПЕРЕНЕСЕНО")));
    EXPECT_FALSE(device.tape().contains(QStringLiteral("ОТРЕЗАНО")));
  }
}

// The wire as a program other than the control may write it.
class RawConnection {
 public:
  explicit RawConnection(const HostPort& daemon) {
    socket_.connectToHost(daemon.host, quint16(daemon.port));
    socket_.waitForConnected(5000);
  }
  void send(const QByteArray& bytes) {
    socket_.write(bytes);
    socket_.waitForBytesWritten(5000);
  }
  // The next answer frame's message; nothing when none comes.
  std::optional<wire::Message> answer() {
    QByteArray payload;
    QString error;
    while (reader_.next(payload, error) != frame::Reader::Status::Frame) {
      if (!socket_.waitForReadyRead(5000)) return std::nullopt;
      reader_.append(socket_.readAll());
    }
    return wire::decode(payload).message;
  }

 private:
  QTcpSocket socket_;
  frame::Reader reader_;
};

TEST(Daemon, AnswersSpoiltBytesWithErrorsAndGoesOnServing) {
  RegisterUnderTest device(Transport::Tcp);
  RawConnection connection(device.daemon().tcp());
  const QByteArray deviceType(1, char(0xFC));
  QByteArray badChecksum = frame::encode(wire::encode(wire::RawRequest{1, deviceType}));
  badChecksum.back() = char(badChecksum.back() ^ 0x55);
  connection.send("noise" + badChecksum +
                  frame::encode(wire::encode(wire::RawRequest{2, deviceType})));

  int errors = 0;
  std::optional<wire::Message> answer;
  while ((answer = connection.answer()) && std::holds_alternative<wire::ErrorAnswer>(*answer)) {
    EXPECT_EQ(std::get<wire::ErrorAnswer>(*answer).result, result::BadAnswer);
    ++errors;
  }
  EXPECT_GE(errors, 2) << "the noise and the spoilt frame";
  ASSERT_TRUE(answer.has_value() && std::holds_alternative<wire::RawAnswer>(*answer));
  EXPECT_EQ(std::get<wire::RawAnswer>(*answer).sequence, 2u);
  EXPECT_EQ(std::get<wire::RawAnswer>(*answer).result, result::Ok);
}

TEST(Daemon, ClosesTheConnectionWhenTheRegisterDropsTheLink) {
  RegisterUnderTest device(Transport::Tcp);
  const auto control = device.newControl();
  control->setProperty("Timeout", 20000);
  ASSERT_EQ(control->callMethod("GetShortECRStatus"), result::Ok);

  device.writeSettings("[Faults]\nDropLink=true\n");
  QElapsedTimer elapsed;
  elapsed.start();
  EXPECT_EQ(control->callMethod("GetShortECRStatus"), result::NoConnection);
  EXPECT_LT(elapsed.elapsed(), 10000) << "the line went down; no need to wait for the timeout";

  device.writeSettings("[Faults]\nDropLink=false\n");
  EXPECT_EQ(control->callMethod("GetShortECRStatus"), result::Ok) << "a new connection";
}

TEST(Daemon, AnswersOnItsLineOnlyAtItsSpeed) {
  RegisterUnderTest device(Transport::PseudoTerminal, 57600);
  const auto control = device.newControl();
  control->setProperty("Timeout", 300);
  const std::pair<int, std::int32_t> speeds[] = {
      {6, result::NoConnection},  // 115200
      {5, result::Ok},            // 57600
      {2, result::NoConnection},  // 9600
      {5, result::Ok},
  };
  for (const auto& [code, expected] : speeds) {
    control->setProperty("BaudRate", code);
    EXPECT_EQ(control->callMethod("GetShortECRStatus"), expected) << "code " << code;
  }
}

TEST(Daemon, ItsLineFollowsTheRegistersOwnSpeedWhenNoneIsGiven) {
  RegisterUnderTest device(Transport::PseudoTerminal);
  const auto line = device.newControl();
  line->setProperty("Timeout", 300);
  ASSERT_EQ(line->callMethod("GetShortECRStatus"), result::Ok) << "115200 from the factory";

  const auto network = device.newControlOver(Transport::Tcp);
  network->setProperty("PortNumber", 0);
  network->setProperty("BaudRate", 3);
  network->setProperty("Timeout", 1000);
  ASSERT_EQ(network->callMethod("SetExchangeParam"), result::Ok);

  EXPECT_EQ(line->callMethod("GetShortECRStatus"), result::NoConnection);
  line->setProperty("BaudRate", 3);
  EXPECT_EQ(line->callMethod("GetShortECRStatus"), result::Ok) << "now at 19200";
}

TEST(Daemon, DeviceSearchFindsItsLineAtItsSpeed) {
  RegisterUnderTest device(Transport::PseudoTerminal, 19200);
  auto control = device.newControl();
  control->setProperty("SearchTimeout", 100);
  control->setProperty("ComNumber", 1);
  control->setProperty("BaudRate", 0);
  ASSERT_EQ(control->callMethod("FindDevice"), result::Ok);
  EXPECT_EQ(control->getProperty("ComNumber"), DriverValue(std::int32_t(TestComNumber)));
  EXPECT_EQ(control->getProperty("BaudRate"), DriverValue(std::int32_t(3)));
  EXPECT_EQ(control->callMethod("GetShortECRStatus"), result::Ok);
}

TEST(Daemon, AnnouncesItselfAboutOnceASecond) {
  RegisterUnderTest device(Transport::Tcp);
  const auto control = device.newControl();
  ASSERT_EQ(control->callMethod("ReadSerialNumber"), result::Ok);
  const QString expected = QStringLiteral("SN:%1;IP:127.0.0.1; port:%2")
                               .arg(valueToString(control->getProperty("SerialNumber")))
                               .arg(device.daemon().tcp().port);
  QUdpSocket& socket = device.announcements();
  QStringList heard;
  while (heard.size() < 2 && socket.waitForReadyRead(3000))
    while (socket.hasPendingDatagrams())
      heard << QString::fromLatin1(socket.receiveDatagram().data());
  ASSERT_GE(heard.size(), 2);
  for (const QString& announcement : heard) EXPECT_EQ(announcement, expected);
}

TEST(Daemon, StopsCleanlyAndTakesItsLineOutOfThePortMap) {
  RegisterUnderTest device(Transport::PseudoTerminal);
  const auto line = serialPortPath(TestComNumber);
  ASSERT_TRUE(line.has_value());
  EXPECT_TRUE(line->startsWith(QStringLiteral("/dev/pts/")));
  EXPECT_EQ(device.daemon().stop(), 0);
  EXPECT_EQ(serialPortPath(TestComNumber), std::nullopt);
}

struct Refusal {
  QStringList arguments;
  int exitCode;
  const char* message;
};

TEST(Daemon, RefusesWhatItCannotDo) {
  RegisterUnderTest running(Transport::Tcp);
  const QString busyPort = hostPortText(running.daemon().tcp());
  IsolatedProfile other;
  const QString state = other.stateDir();
  const Refusal refusals[] = {
      {{"--tcp", "127.0.0.1"}, 2, "Неверное значение параметра --tcp: \"127.0.0.1\""},
      {{"--pty", "COM0"}, 2, "Неверное значение параметра --pty: \"COM0\""},
      {{"--pty", "COM3@14400"}, 2, "Неверное значение параметра --pty: \"COM3@14400\""},
      {{"--pty", "ttyS0"}, 2, "Неверное значение параметра --pty: \"ttyS0\""},
      {{"--announce", ":16327"}, 2, "Неверное значение параметра --announce"},
      {{"--state"}, 2, "Для параметра --state не указано значение"},
      {{"--verbose"}, 2, "Неизвестный параметр \"--verbose\""},
      {{"--state", state, "--tcp", busyPort}, 1, "Не удалось принимать подключения на"},
      {{"--state", running.stateDir(), "--tcp", "127.0.0.1:0"}, 1, "Папка состояния"},
  };
  for (const Refusal& refusal : refusals) {
    DaemonProcess daemon;
    EXPECT_FALSE(daemon.start(refusal.arguments)) << refusal.arguments.join(u' ').toStdString();
    EXPECT_EQ(daemon.stop(), refusal.exitCode) << refusal.arguments.join(u' ').toStdString();
    EXPECT_TRUE(daemon.output().contains(QString::fromUtf8(refusal.message)))
        << daemon.output().toStdString();
  }
}

}  // namespace
