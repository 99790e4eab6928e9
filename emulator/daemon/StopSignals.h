#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

// Turns SIGTERM and SIGINT into a signal of the event loop, so that the daemon stops
// between two exchanges and takes its serial line out of the port map on the way.
class StopSignals : public QObject {
  Q_OBJECT
 public:
  // One per process: it owns the handlers of both signals.
  explicit StopSignals(QObject* parent = nullptr);
  ~StopSignals() override;

 signals:
  void stopRequested();

 private:
  void drain();

  std::unique_ptr<QSocketNotifier> notifier_;
};
