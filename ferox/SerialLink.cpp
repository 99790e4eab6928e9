#include "SerialLink.h"

#include "BaudRates.h"
#include "TermiosSpeed.h"
#include "PortMap.h"
#include "ResultCodes.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace {


bool configureLine(int fd, speed_t speed) {
  termios line{};
  if (tcgetattr(fd, &line) != 0) return false;
  cfmakeraw(&line);
  line.c_cflag |= CLOCAL | CREAD;
  line.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
  // With no byte waiting, a non-blocking read must say "try again" (VMIN 1), not "end of
  // file" (VMIN 0); the exchange does its own waiting.
  line.c_cc[VMIN] = 1;
  line.c_cc[VTIME] = 0;
  if (cfsetispeed(&line, speed) != 0 || cfsetospeed(&line, speed) != 0) return false;
  if (tcsetattr(fd, TCSANOW, &line) != 0) return false;
  tcflush(fd, TCIOFLUSH);
  return true;
}

}  // namespace

SerialLink::SerialLink(int comNumber, int baudRateCode)
    : comNumber_(comNumber), baudRateCode_(baudRateCode) {}

std::int32_t SerialLink::open() {
  if (!baudRateOfCode(baudRateCode_)) return result::InvalidSetting;
  const auto path = serialPortPath(comNumber_);
  if (!path) return result::PortUnavailable;
  const int fd =
      ::open(path->toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return result::PortUnavailable;
  // A serial line serves one program at a time; the lock keeps a second control (of this
  // process or another) from mixing its bytes into the same line.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? result::PortBusy : result::PortUnavailable;
  }
  if (!configureLine(fd, *termiosSpeedOf(*baudRateOfCode(baudRateCode_)))) {
    ::close(fd);
    return result::PortUnavailable;
  }
  adopt(fd);
  return result::Ok;
}
