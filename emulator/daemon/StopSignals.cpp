#include "StopSignals.h"

#include <QDebug>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The handler may only write to a pipe; the event loop reads the other end.
int wakeUpPipe[2] = {-1, -1};

void onStopSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(wakeUpPipe[1], &byte, 1);
  errno = savedErrno;
}

void handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, nullptr);
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
  if (pipe2(wakeUpPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    qWarning().noquote() << QStringLiteral("Сигналы остановки не перехватываются: нет канала");
    return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(wakeUpPipe[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &StopSignals::drain);
  handle(SIGTERM, onStopSignal);
  handle(SIGINT, onStopSignal);
}

StopSignals::~StopSignals() {
  handle(SIGTERM, SIG_DFL);
  handle(SIGINT, SIG_DFL);
  notifier_.reset();
  for (int& end : wakeUpPipe) {
    if (end >= 0) ::close(end);
    end = -1;
  }
}

void StopSignals::drain() {
  char bytes[16];
  while (::read(wakeUpPipe[0], bytes, sizeof bytes) > 0) {
  }
  emit stopRequested();
}
