#include "PortLock.h"

#include "FeroxPaths.h"
#include "ResultCodes.h"

#include <QDir>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString lockSuffix = QStringLiteral(".lock");

// One file name per port; characters that a file name cannot hold become "_".
QString lockFilePath(const QString& port) {
  QString name = port;
  for (QChar& c : name)
    if (!c.isLetterOrNumber() && c != u'-' && c != u'.') c = u'_';
  return portLockDir() + u'/' + name + lockSuffix;
}

}  // namespace

PortLock::~PortLock() { unlock(); }

std::int32_t PortLock::lock(const QString& port) {
  if (isHeld() && port == port_) return result::Ok;
  unlock();
  // The folder is the user's own: nobody else may plant a lock file (or a link) in it.
  if (::mkdir(portLockDir().toLocal8Bit().constData(), 0700) != 0 && errno != EEXIST)
    return result::PortUnavailable;
  const int fd = ::open(lockFilePath(port).toLocal8Bit().constData(),
                        O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return result::PortUnavailable;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? result::PortBusy : result::PortUnavailable;
  }
  fd_ = fd;
  port_ = port;
  return result::Ok;
}

void PortLock::unlock() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  port_.clear();
}

void PortLock::breakLock(const QString& port) { QFile::remove(lockFilePath(port)); }

void PortLock::breakAllLocks() {
  QDir folder(portLockDir());
  for (const QString& name : folder.entryList({u'*' + lockSuffix}, QDir::Files))
    folder.remove(name);
}
