#include "RegisterUnderTest.h"

#include "BaudRates.h"
#include "LinkFactory.h"
#include "PortMap.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <stdexcept>

namespace {

int baudRateCodeOf(int lineSpeed) {
  return int(std::ranges::find(baudRateTable, lineSpeed) - baudRateTable.begin());
}

QString readText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

std::string transportName(Transport transport) {
  switch (transport) {
    case Transport::Embedded:
      return "Embedded";
    case Transport::Tcp:
      return "Tcp";
    case Transport::PseudoTerminal:
      return "PseudoTerminal";
  }
  return "Unknown";
}

void PrintTo(Transport transport, std::ostream* out) { *out << transportName(transport); }

RegisterUnderTest::RegisterUnderTest(Transport transport, std::optional<int> lineSpeed)
    : transport_(transport), lineSpeed_(lineSpeed) {
  QDir().mkpath(stateDir());
  if (!announcements_.bind(QHostAddress::LocalHost, 0))
    throw std::runtime_error("no socket for the announcements");
  if (transport_ != Transport::Embedded) startDaemon();
}

void RegisterUnderTest::startDaemon() {
  QStringList arguments = {
      QStringLiteral("--state"),    stateDir(),
      QStringLiteral("--tcp"),      QStringLiteral("127.0.0.1:0"),
      QStringLiteral("--announce"), QStringLiteral("127.0.0.1:%1").arg(announcements_.localPort()),
  };
  if (transport_ == Transport::PseudoTerminal)
    arguments << QStringLiteral("--pty")
              << QStringLiteral("COM%1").arg(TestComNumber) +
                     (lineSpeed_ ? QStringLiteral("@%1").arg(*lineSpeed_) : QString());
  daemon_ = std::make_unique<DaemonProcess>();
  if (!daemon_->start(arguments))
    throw std::runtime_error("ferox-emulator did not start: " + daemon_->output().toStdString());
}

void RegisterUnderTest::restartDaemon() {
  daemon_->kill();
  startDaemon();
}

std::unique_ptr<FeroxControl> RegisterUnderTest::newControlOver(Transport transport) const {
  auto control = std::make_unique<FeroxControl>(standardLinkFactory(stateDir()));
  switch (transport) {
    case Transport::Embedded:
      control->setProperty("ConnectionType", connection::Embedded);
      break;
    case Transport::Tcp:
      control->setProperty("ConnectionType", connection::Tcp);
      control->setProperty("UseIPAddress", true);
      control->setProperty("IPAddress", daemon_->tcp().host);
      control->setProperty("TCPPort", daemon_->tcp().port);
      break;
    case Transport::PseudoTerminal:
      control->setProperty("ConnectionType", connection::Serial);
      control->setProperty("ComNumber", TestComNumber);
      control->setProperty("BaudRate", baudRateCodeOf(lineSpeed_.value_or(FactoryLineSpeed)));
      break;
  }
  return control;
}

QStringList RegisterUnderTest::cliDeviceArguments() const {
  switch (transport_) {
    case Transport::Embedded:
      return {QStringLiteral("--device"), QStringLiteral("embedded"), QStringLiteral("--state"),
              stateDir()};
    case Transport::Tcp:
      return {QStringLiteral("--device"), QStringLiteral("tcp:") + hostPortText(daemon_->tcp())};
    case Transport::PseudoTerminal:
      return {QStringLiteral("--device"),
              QStringLiteral("serial:%1@%2")
                  .arg(serialPortPath(TestComNumber).value_or(QString()))
                  .arg(lineSpeed_.value_or(FactoryLineSpeed))};
  }
  return {};
}

QString RegisterUnderTest::tape(PaperTape::Station station) const {
  return readText(QDir(stateDir()).filePath(PaperTape::fileName(station)));
}

// Replaced as a new file, so that the register sees the change even within one tick of
// the file system's clock.
void RegisterUnderTest::writeSettings(const QByteArray& ini) const {
  QSaveFile file(QDir(stateDir()).filePath(QStringLiteral("register.ini")));
  if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size() || !file.commit())
    throw std::runtime_error("register.ini cannot be written");
}
