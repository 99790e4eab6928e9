#include "PseudoTerminalLine.h"

#include "BaudRates.h"
#include "FeroxError.h"
#include "PortMap.h"
#include "RegisterSession.h"
#include "TermiosSpeed.h"
#include "VirtualRegister.h"

#include <QDebug>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// The register's RS-232 port among its exchange ports.
constexpr int SerialPortNumber = 0;

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool makeRaw(int fd, speed_t speed) {
  termios line{};
  if (tcgetattr(fd, &line) != 0) return false;
  cfmakeraw(&line);
  line.c_cflag |= CLOCAL | CREAD;
  cfsetispeed(&line, speed);
  cfsetospeed(&line, speed);
  return tcsetattr(fd, TCSANOW, &line) == 0;
}

}  // namespace

PseudoTerminalLine::PseudoTerminalLine(std::shared_ptr<VirtualRegister> device, QObject* parent)
    : QObject(parent), device_(device), service_(std::move(device), link_interface::Serial) {}

PseudoTerminalLine::~PseudoTerminalLine() { close(); }

bool PseudoTerminalLine::fail(const QString& reason) {
  error_ = reason;
  close();
  return false;
}

bool PseudoTerminalLine::open(const PseudoTerminalOptions& options) {
  options_ = options;
  if (!lineSpeed())
    return fail(QStringLiteral("Скорость %1 бод не поддерживается").arg(bitsPerSecond()));
  if (!openPseudoTerminal())
    return fail(QStringLiteral("Не удалось открыть псевдотерминал: %1").arg(systemError()));
  try {
    const auto previous = serialPortPath(options.comNumber);
    if (previous && *previous != devicePath_) replacedPath_ = previous;
    registerSerialPort(options.comNumber, devicePath_);
    registered_ = true;
  } catch (const FeroxError& error) {
    return fail(error.message());
  }
  readable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
  connect(readable_.get(), &QSocketNotifier::activated, this, &PseudoTerminalLine::readPackets);
  writable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Write);
  writable_->setEnabled(false);
  connect(writable_.get(), &QSocketNotifier::activated, this, &PseudoTerminalLine::flushOutput);
  return true;
}

bool PseudoTerminalLine::openPseudoTerminal() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return false;
  char path[128];
  if (ptsname_r(master_, path, sizeof path) != 0) return false;
  devicePath_ = QString::fromLocal8Bit(path);
  deviceSide_ = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (deviceSide_ < 0 || !makeRaw(deviceSide_, *lineSpeed())) return false;
  // Packet mode tells us when a caller flushes the line, which is how a caller that
  // opens it starts.
  int packetMode = 1;
  if (ioctl(master_, TIOCPKT, &packetMode) != 0) return false;
  return fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) == 0;
}

void PseudoTerminalLine::readPackets() {
  char packet[4097];
  for (;;) {
    const long count = ::read(master_, packet, sizeof packet);
    if (count > 0) {
      handlePacket(packet, count);
    } else if (count < 0 && errno == EINTR) {
      continue;
    } else {
      return;
    }
  }
}

void PseudoTerminalLine::handlePacket(const char* bytes, long count) {
  if (bytes[0] != TIOCPKT_DATA) {
    if (bytes[0] & (TIOCPKT_FLUSHREAD | TIOCPKT_FLUSHWRITE)) {
      service_.restart();
      pendingOutput_.clear();
    }
    return;
  }
  if (!heardAtLineSpeed()) {
    // At another speed the bytes are noise to the device; it forgets any frame it had begun.
    service_.restart();
    return;
  }
  const FrameService::Reply reply = service_.receive(QByteArrayView(bytes + 1, count - 1));
  send(reply.bytes);
}

int PseudoTerminalLine::bitsPerSecond() const {
  if (options_.lineSpeed) return *options_.lineSpeed;
  const int code = device_->exchangeParams(SerialPortNumber).baudRate;
  return code >= 0 && code < int(baudRateTable.size()) ? baudRateTable[std::size_t(code)] : 0;
}

std::optional<speed_t> PseudoTerminalLine::lineSpeed() const {
  return termiosSpeedOf(bitsPerSecond());
}

bool PseudoTerminalLine::heardAtLineSpeed() const {
  termios line{};
  return tcgetattr(deviceSide_, &line) == 0 && cfgetospeed(&line) == lineSpeed();
}

void PseudoTerminalLine::send(const QByteArray& bytes) {
  pendingOutput_ += bytes;
  flushOutput();
}

void PseudoTerminalLine::flushOutput() {
  while (!pendingOutput_.isEmpty()) {
    const long count = ::write(master_, pendingOutput_.constData(), pendingOutput_.size());
    if (count > 0) {
      pendingOutput_.remove(0, count);
    } else if (count < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  // A caller that stopped reading fills the line; the rest goes out as it drains.
  writable_->setEnabled(!pendingOutput_.isEmpty());
}

void PseudoTerminalLine::close() {
  readable_.reset();
  writable_.reset();
  if (registered_ && serialPortPath(options_.comNumber) == devicePath_) {
    try {
      unregisterSerialPort(options_.comNumber);
    } catch (const FeroxError& error) {
      qWarning().noquote() << error.message();
    }
  }
  registered_ = false;
  if (deviceSide_ >= 0) ::close(deviceSide_);
  if (master_ >= 0) ::close(master_);
  deviceSide_ = master_ = -1;
}
