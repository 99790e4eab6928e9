#pragma once

#include "PaperTape.h"
#include "RegisterSettings.h"

#include <cstdint>
#include <optional>

struct ModelProfile;

// The stations a print command asks for.
struct Stations {
  bool receipt = false;
  bool journal = false;
};

// The print mechanism: its stations, the paper in them and the cover, and the state the
// last print left it in. A print that finds a roll empty is refused and leaves the printer
// waiting: first for paper, then for the command to continue.
class Printer {
 public:
  explicit Printer(const QString& folder) : tape_(folder) {}

  void configure(const ModelProfile& profile, const PrinterSettings& settings);

  bool hasJournal() const;
  bool hasCutter() const;
  bool paperIn(PaperTape::Station station) const;
  bool coverOpen() const { return settings_.coverOpen; }

  // The printer sub-mode: 0 paper present, 1 a roll is empty, 2 a print stopped for lack
  // of paper, 3 paper is back and the stopped print waits for ContinuePrint.
  int subMode() const;
  std::int32_t lastPrintResult() const { return lastResult_; }

  // The requested stations this model has; none when the model has none of them.
  std::optional<Stations> available(Stations requested) const;
  std::int32_t print(Stations stations, const QStringList& lines);
  std::int32_t cut(bool partial);
  std::int32_t continuePrinting();
  // What keeps the printer from finishing: 0 when nothing does.
  std::int32_t pendingError() const;
  // Power cycle: a stopped print is forgotten.
  void restart();

 private:
  std::int32_t readiness(Stations stations);
  std::int32_t finish(std::int32_t code);

  PaperTape tape_;
  const ModelProfile* profile_ = nullptr;
  PrinterSettings settings_;
  std::optional<PaperTape::Station> stoppedAt_;
  std::int32_t lastResult_ = 0;
};
