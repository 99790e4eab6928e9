#include "DaemonProcess.h"

#include <QDeadlineTimer>

namespace {

const QString ReadyLine = QStringLiteral("Готово");
const QString TcpLinePrefix = QStringLiteral("TCP: ");
constexpr int StopWaitMs = 5000;

}  // namespace

DaemonProcess::DaemonProcess() = default;

DaemonProcess::~DaemonProcess() {
  if (isRunning()) stop();
}

QString DaemonProcess::program() { return QStringLiteral(FEROX_EMULATOR_PROGRAM); }

bool DaemonProcess::start(const QStringList& arguments, std::chrono::milliseconds timeout) {
  process_ = std::make_unique<QProcess>();
  process_->setProcessChannelMode(QProcess::MergedChannels);
  output_.clear();
  process_->start(program(), arguments);
  const QDeadlineTimer deadline(timeout);
  while (!readyLineSeen()) {
    if (deadline.hasExpired() || !process_->waitForReadyRead(int(deadline.remainingTime()))) {
      output();
      if (isRunning()) kill();
      return false;
    }
  }
  return true;
}

bool DaemonProcess::readyLineSeen() {
  const QStringList lines = output().split(u'\n');
  for (const QString& line : lines)
    if (line.startsWith(TcpLinePrefix))
      tcp_ = parseHostPort(line.mid(TcpLinePrefix.size()), 0).value_or(HostPort{});
  return lines.contains(ReadyLine);
}

QString DaemonProcess::output() {
  if (process_) output_ += QString::fromLocal8Bit(process_->readAll());
  return output_;
}

bool DaemonProcess::isRunning() const {
  return process_ && process_->state() != QProcess::NotRunning;
}

int DaemonProcess::stop() {
  if (!isRunning()) return process_ ? process_->exitCode() : -1;
  process_->terminate();
  if (!process_->waitForFinished(StopWaitMs)) {
    kill();
    return -1;
  }
  output();
  return process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
}

void DaemonProcess::kill() {
  if (!isRunning()) return;
  process_->kill();
  process_->waitForFinished(StopWaitMs);
  output();
}
