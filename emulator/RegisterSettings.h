#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <tuple>

// Failures the register rehearses on purpose.
struct FaultSettings {
  QString method;  // this method answers methodResult without running
  std::int32_t methodResult = 0;
  std::int32_t busyCode = 80;  // 80 or 75
  int busyCount = 0;           // the next busyCount calls answer busyCode
  int latencyMs = 0;           // added to every call
  bool dropLink = false;       // the register answers nothing at all
  bool operator==(const FaultSettings&) const = default;
};

// What the user does to the printer: load paper, open the cover.
struct PrinterSettings {
  bool receiptPaper = true;
  bool journalPaper = true;
  bool coverOpen = false;
  bool operator==(const PrinterSettings&) const = default;
};

struct RegisterSettings {
  QString profile = QStringLiteral("standard");
  PrinterSettings printer;
  FaultSettings faults;
  bool operator==(const RegisterSettings&) const = default;
};

struct LoadedSettings {
  RegisterSettings settings;
  QStringList problems;  // values that were ignored, and why
};

// Reads register.ini; a missing file gives the defaults, a bad value keeps its default.
LoadedSettings loadRegisterSettings(const QString& path);

// Watches register.ini and reads it again whenever its modification time changes.
class SettingsFile {
 public:
  explicit SettingsFile(QString path) : path_(std::move(path)) {}
  const QString& path() const { return path_; }
  // The file's settings when it changed (or appeared, or vanished) since the last look.
  std::optional<LoadedSettings> reloadIfChanged();

 private:
  QString path_;
  // Modification time, size and inode: a rewrite within one clock tick still shows.
  using Fingerprint = std::tuple<std::int64_t, std::int64_t, std::uint64_t>;
  std::optional<Fingerprint> fingerprint_;
  bool looked_ = false;
};
