#pragma once

#include "Announcer.h"
#include "DaemonOptions.h"
#include "PseudoTerminalLine.h"
#include "TcpEndpoint.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class VirtualRegister;

// One virtual register with every way of reaching it that the options ask for: TCP, a
// serial line on a pseudo-terminal, announcements on UDP.
class EmulatorDaemon : public QObject {
  Q_OBJECT
 public:
  explicit EmulatorDaemon(DaemonOptions options, QObject* parent = nullptr);
  ~EmulatorDaemon() override;

  // Opens the register and its links; false, with the reason in error(), when any of
  // them cannot be opened.
  bool start();
  QString error() const { return error_; }
  // What the daemon offers, one line each, for the user (and for programs that start it:
  // the TCP line reads "TCP: <address>:<port>").
  QStringList report() const { return report_; }

 private:
  bool openRegister();
  bool fail(const QString& reason);

  DaemonOptions options_;
  std::shared_ptr<VirtualRegister> device_;
  std::unique_ptr<TcpEndpoint> tcp_;
  std::unique_ptr<PseudoTerminalLine> line_;
  std::unique_ptr<Announcer> announcer_;
  QStringList report_;
  QString error_;
};
