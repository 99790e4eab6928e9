#pragma once

#include <QString>

#include <optional>

// One driver object serves the whole program, and a control object may be used by one
// thread at a time. A page that lets a worker thread use the driver (a loop test, a
// dump, a document reader) holds this gate for as long as the worker runs:
//
//   void TfmConnectionTest::start() {  // the start button's action, run through run()
//     auto holder = std::make_shared<DriverBusyGate::Holder>(windowTitle());
//     FWorker.start([this, holder] { loop(); });  // freed when the worker lets go of it
//   }
//
// While the gate is held, every page action is refused before it touches anything:
// no buttons change, nothing is sent to the driver, and the user reads which page is
// busy (busyMessage). Stopping a worker only raises the worker's stop flag, so a stop
// button is not a driver action and must not run through the action cycle. The gate
// is process-wide and may be released from the worker's own thread.
class DriverBusyGate {
 public:
  // Holds the gate from construction to destruction (or until moved from).
  class Holder {
   public:
    // Throws FeroxError with busyMessage when another holder has the gate.
    explicit Holder(const QString& ownerCaption);
    Holder(Holder&& other) noexcept;
    ~Holder();

    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    Holder& operator=(Holder&&) = delete;

   private:
    bool FHolds = true;
  };

  // The caption of the page whose worker holds the gate; none while it is free.
  static std::optional<QString> heldBy();
  static QString busyMessage(const QString& ownerCaption);
};
