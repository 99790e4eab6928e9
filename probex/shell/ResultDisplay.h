#pragma once

#include <QString>

#include <functional>

// The five texts of the main window's result display.
struct ResultTexts {
  QString result;
  QString sent;
  QString received;
  QString time;
  QString operatorNumber;

  bool operator==(const ResultTexts&) const = default;
};

// What the result display shows around a page action: cleared when the action starts;
// when it ends, the driver's last result code and text, the bytes sent and received,
// the elapsed milliseconds and the operator. Filling never fails: an error while
// reading the driver leaves the texts as far as they got. Nothing is read while a
// worker holds the driver, since the worker, not this thread, is using it then.
class ResultDisplay {
 public:
  // A millisecond tick that wraps at 32 bits.
  using TickSource = std::function<quint32()>;

  explicit ResultDisplay(TickSource tick = monotonicTick);

  void actionStarted();
  void actionEnded();
  const ResultTexts& texts() const { return FTexts; }

  // A monotonic clock in milliseconds, truncated to 32 bits.
  static quint32 monotonicTick();

 private:
  void fill();

  TickSource FTick;
  quint32 FStartTick = 0;
  ResultTexts FTexts;
};
