#pragma once

#include <functional>

// Tells the main window that a page action starts (Value false) and ends (Value true),
// so that it can clear and then fill its result display. One object per process.
class TPageNotifier {
 public:
  using ChangeEvent = std::function<void(TPageNotifier& sender, bool Value)>;

  // The one subscriber; empty when nobody listens.
  ChangeEvent OnChange;

  void DoChange(bool Value);
};

// The process-wide notifier, created on first use and destroyed at exit.
TPageNotifier& PageNotifier();
