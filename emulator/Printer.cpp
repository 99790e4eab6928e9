#include "Printer.h"

#include "ModelProfile.h"
#include "ResultCodes.h"

namespace {

std::int32_t noPaperCode(PaperTape::Station station) {
  return station == PaperTape::Station::Receipt ? result::NoReceiptPaper : result::NoJournalPaper;
}

}  // namespace

void Printer::configure(const ModelProfile& profile, const PrinterSettings& settings) {
  profile_ = &profile;
  settings_ = settings;
}

bool Printer::hasJournal() const { return profile_->hasJournal; }

bool Printer::hasCutter() const { return profile_->hasCutter; }

bool Printer::paperIn(PaperTape::Station station) const {
  if (station == PaperTape::Station::Receipt) return settings_.receiptPaper;
  return hasJournal() && settings_.journalPaper;
}

int Printer::subMode() const {
  if (stoppedAt_) return paperIn(*stoppedAt_) ? 3 : 2;
  const bool emptyRoll = !settings_.receiptPaper || (hasJournal() && !settings_.journalPaper);
  return emptyRoll ? 1 : 0;
}

std::optional<Stations> Printer::available(Stations requested) const {
  const Stations present{requested.receipt, requested.journal && hasJournal()};
  if (!present.receipt && !present.journal) return std::nullopt;
  return present;
}

std::int32_t Printer::pendingError() const {
  if (!stoppedAt_) return result::Ok;
  return paperIn(*stoppedAt_) ? result::ContinuePrintExpected : noPaperCode(*stoppedAt_);
}

std::int32_t Printer::finish(std::int32_t code) {
  lastResult_ = code;
  return code;
}

std::int32_t Printer::readiness(Stations stations) {
  if (settings_.coverOpen) return result::CoverOpen;
  if (stoppedAt_) return pendingError();
  for (const auto station : {PaperTape::Station::Receipt, PaperTape::Station::Journal}) {
    const bool chosen =
        station == PaperTape::Station::Receipt ? stations.receipt : stations.journal;
    if (chosen && !paperIn(station)) {
      stoppedAt_ = station;
      return noPaperCode(station);
    }
  }
  return result::Ok;
}

std::int32_t Printer::print(Stations stations, const QStringList& lines) {
  if (const std::int32_t refused = readiness(stations)) return finish(refused);
  const bool printed = (!stations.receipt || tape_.append(PaperTape::Station::Receipt, lines)) &&
                       (!stations.journal || tape_.append(PaperTape::Station::Journal, lines));
  return finish(printed ? result::Ok : result::PrinterFault);
}

std::int32_t Printer::cut(bool partial) {
  if (!hasCutter()) return result::NotSupported;
  return print({.receipt = true}, {PaperTape::cutMark(partial)});
}

std::int32_t Printer::continuePrinting() {
  if (!stoppedAt_) return result::WrongMode;
  if (!paperIn(*stoppedAt_)) return noPaperCode(*stoppedAt_);
  stoppedAt_.reset();
  return result::Ok;
}

void Printer::restart() {
  stoppedAt_.reset();
  lastResult_ = result::Ok;
}
