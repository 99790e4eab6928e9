#include "EmulatorDaemon.h"

#include "SharedRegister.h"
#include "VirtualRegister.h"

EmulatorDaemon::EmulatorDaemon(DaemonOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {}

EmulatorDaemon::~EmulatorDaemon() = default;

bool EmulatorDaemon::fail(const QString& reason) {
  error_ = reason;
  return false;
}

bool EmulatorDaemon::openRegister() {
  const QString folder = options_.stateDir.isEmpty() ? defaultStateDir() : options_.stateDir;
  try {
    device_ = sharedRegister(folder);
  } catch (const std::exception& error) {
    return fail(QStringLiteral("Виртуальная ККТ в папке %1 не открылась: %2")
                    .arg(folder, QString::fromUtf8(error.what())));
  }
  // A register that cannot keep its state would answer every command with an error.
  if (const QString problem = device_->storageError(); !problem.isEmpty())
    return fail(QStringLiteral("Папка состояния %1: %2").arg(folder, problem));
  report_ << QStringLiteral("Виртуальная ККТ № %1, папка состояния %2")
                 .arg(device_->serialNumber(), device_->stateDir());
  return true;
}

bool EmulatorDaemon::start() {
  if (!openRegister()) return false;

  tcp_ = std::make_unique<TcpEndpoint>(device_);
  if (!tcp_->listen(options_.tcp)) return fail(tcp_->error());
  report_ << QStringLiteral("TCP: %1").arg(hostPortText(tcp_->listening()));

  if (const auto& pty = options_.pseudoTerminal) {
    line_ = std::make_unique<PseudoTerminalLine>(device_);
    if (!line_->open(*pty)) return fail(line_->error());
    if (const auto replaced = line_->replacedPath())
      report_ << QStringLiteral("COM%1 указывал на %2, теперь на линию ККТ")
                     .arg(pty->comNumber)
                     .arg(*replaced);
    report_ << QStringLiteral("Линия COM%1: %2, %3 бод%4")
                   .arg(pty->comNumber)
                   .arg(line_->devicePath())
                   .arg(line_->bitsPerSecond())
                   .arg(pty->lineSpeed ? QString() : QStringLiteral(" (скорость ККТ)"));
  }

  announcer_ = std::make_unique<Announcer>();
  if (!announcer_->start(options_.announce, device_->serialNumber(), tcp_->listening()))
    return fail(announcer_->error());
  report_ << QStringLiteral("Объявления на %1: %2")
                 .arg(hostPortText(options_.announce),
                      QString::fromLatin1(announcer_->announcement()));
  return true;
}
