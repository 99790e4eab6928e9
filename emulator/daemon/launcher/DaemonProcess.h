#pragma once

#include "HostPort.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

// A ferox-emulator child process. start() returns once the daemon says it is ready;
// whatever happens to the caller, the destructor stops the child and waits for it.
class DaemonProcess {
 public:
  DaemonProcess();
  ~DaemonProcess();
  DaemonProcess(const DaemonProcess&) = delete;
  DaemonProcess& operator=(const DaemonProcess&) = delete;

  // The daemon built with this project.
  static QString program();

  // False when the daemon exits or stays unready past the timeout; its output is then in
  // output().
  bool start(const QStringList& arguments,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Where the daemon takes TCP connections (the port it got when asked for port 0).
  HostPort tcp() const { return tcp_; }
  // Everything the daemon wrote so far, both streams.
  QString output();

  // Stops it with SIGTERM and returns its exit code; -1 when it had to be killed.
  int stop();
  // SIGKILL: the daemon gets no chance to tidy up.
  void kill();

 private:
  bool isRunning() const;
  bool readyLineSeen();

  std::unique_ptr<QProcess> process_;
  QString output_;
  HostPort tcp_;
};
