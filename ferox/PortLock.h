#pragma once

#include <QString>

#include <cstdint>

// A lock on one port that holds across processes: an exclusive flock on a lock file per
// port in the lock folder (FeroxPaths.h). The system drops it when its holder exits, so a
// crashed program never leaves a port locked for ever.
class PortLock {
 public:
  PortLock() = default;
  ~PortLock();
  PortLock(const PortLock&) = delete;
  PortLock& operator=(const PortLock&) = delete;

  // result::Ok when this lock holds the port (also when it held it already),
  // result::PortBusy when someone else does, result::PortUnavailable when the lock file
  // cannot be made. Locking another port first releases the one held.
  std::int32_t lock(const QString& port);
  void unlock();
  bool isHeld() const { return fd_ >= 0; }

  // Removes the lock files so that the next locker gets the port even while a stuck
  // holder keeps its lock; the holder's lock no longer guards anything.
  static void breakLock(const QString& port);
  static void breakAllLocks();

 private:
  int fd_ = -1;
  QString port_;
};
