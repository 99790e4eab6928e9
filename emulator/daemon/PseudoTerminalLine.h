#pragma once

#include "DaemonOptions.h"
#include "FrameService.h"

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <memory>
#include <optional>

#include <termios.h>

class VirtualRegister;

// The register on a serial line: the master side of a pseudo-terminal, whose other side
// is registered in the port map as a COM number while the line is open. Like a real
// device it hears only bytes sent at its own speed (the one given, else the register's
// exchange parameter, so that SetExchangeParam moves it): at any other speed the caller
// gets silence. Each time a caller opens and sets up the line the session starts afresh.
class PseudoTerminalLine : public QObject {
  Q_OBJECT
 public:
  PseudoTerminalLine(std::shared_ptr<VirtualRegister> device, QObject* parent = nullptr);
  ~PseudoTerminalLine() override;

  // False, with the reason in error(), when no pseudo-terminal can be opened or the port
  // map cannot be written.
  bool open(const PseudoTerminalOptions& options);
  QString error() const { return error_; }
  QString devicePath() const { return devicePath_; }
  // The speed the line answers at now.
  int bitsPerSecond() const;
  // The path the COM number pointed at before, when open() replaced another entry.
  std::optional<QString> replacedPath() const { return replacedPath_; }

 private:
  bool openPseudoTerminal();
  bool fail(const QString& reason);
  void readPackets();
  void handlePacket(const char* bytes, long count);
  bool heardAtLineSpeed() const;
  std::optional<speed_t> lineSpeed() const;
  void send(const QByteArray& bytes);
  void flushOutput();
  void close();

  std::shared_ptr<VirtualRegister> device_;
  FrameService service_;
  PseudoTerminalOptions options_;
  int master_ = -1;
  // Our own descriptor of the line's device side keeps the line up (and its settings)
  // between callers.
  int deviceSide_ = -1;
  QString devicePath_;
  std::optional<QString> replacedPath_;
  bool registered_ = false;
  QByteArray pendingOutput_;
  std::unique_ptr<QSocketNotifier> readable_;
  std::unique_ptr<QSocketNotifier> writable_;
  QString error_;
};
