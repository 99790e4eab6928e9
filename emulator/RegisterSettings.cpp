#include "RegisterSettings.h"

#include "ModelProfile.h"
#include "ResultCodes.h"

#include <QFile>
#include <QSettings>

#include <sys/stat.h>

namespace {

bool readFlag(const QSettings& ini, const char* key, bool fallback, QStringList& problems) {
  const QVariant value = ini.value(QLatin1String(key));
  if (!value.isValid()) return fallback;
  const QString text = value.toString().trimmed().toLower();
  if (text == u"true" || text == u"1" || text == u"yes") return true;
  if (text == u"false" || text == u"0" || text == u"no") return false;
  problems << QStringLiteral("%1: \"%2\" не является логическим значением")
                  .arg(QLatin1String(key), value.toString());
  return fallback;
}

int readNumber(const QSettings& ini, const char* key, int fallback, int min, int max,
               QStringList& problems) {
  const QVariant value = ini.value(QLatin1String(key));
  if (!value.isValid()) return fallback;
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  if (ok && number >= min && number <= max) return number;
  problems << QStringLiteral("%1: \"%2\" не является числом от %3 до %4")
                  .arg(QLatin1String(key), value.toString())
                  .arg(min)
                  .arg(max);
  return fallback;
}

void readDevice(const QSettings& ini, RegisterSettings& settings, QStringList& problems) {
  const QString profile = ini.value(QStringLiteral("Device/Profile")).toString().trimmed();
  if (profile.isEmpty()) return;
  if (findProfile(profile)) {
    settings.profile = profile;
    return;
  }
  problems << QStringLiteral("Device/Profile: модель \"%1\" неизвестна").arg(profile);
}

void readPrinter(const QSettings& ini, PrinterSettings& printer, QStringList& problems) {
  printer.receiptPaper = readFlag(ini, "Printer/ReceiptPaper", printer.receiptPaper, problems);
  printer.journalPaper = readFlag(ini, "Printer/JournalPaper", printer.journalPaper, problems);
  printer.coverOpen = readFlag(ini, "Printer/CoverOpen", printer.coverOpen, problems);
}

void readFaults(const QSettings& ini, FaultSettings& faults, QStringList& problems) {
  faults.method = ini.value(QStringLiteral("Faults/Method")).toString().trimmed();
  faults.methodResult = readNumber(ini, "Faults/Result", faults.methodResult, -255, 255, problems);
  const int busyCode = readNumber(ini, "Faults/BusyCode", faults.busyCode, 0, 255, problems);
  if (busyCode == result::PrinterBusy80 || busyCode == result::PrinterBusy75)
    faults.busyCode = busyCode;
  else
    problems << QStringLiteral("Faults/BusyCode: допустимы только коды 80 и 75");
  faults.busyCount = readNumber(ini, "Faults/BusyCount", faults.busyCount, 0, 1000000, problems);
  faults.latencyMs = readNumber(ini, "Faults/LatencyMs", faults.latencyMs, 0, 60000, problems);
  faults.dropLink = readFlag(ini, "Faults/DropLink", faults.dropLink, problems);
}

std::optional<std::tuple<std::int64_t, std::int64_t, std::uint64_t>> fingerprintOf(
    const QString& path) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
  return std::tuple{std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                    std::int64_t(info.st_size), std::uint64_t(info.st_ino)};
}

}  // namespace

LoadedSettings loadRegisterSettings(const QString& path) {
  LoadedSettings loaded;
  if (!QFile::exists(path)) return loaded;
  const QSettings ini(path, QSettings::IniFormat);
  if (ini.status() != QSettings::NoError) {
    loaded.problems << QStringLiteral("%1: файл не читается").arg(path);
    return loaded;
  }
  readDevice(ini, loaded.settings, loaded.problems);
  readPrinter(ini, loaded.settings.printer, loaded.problems);
  readFaults(ini, loaded.settings.faults, loaded.problems);
  return loaded;
}

std::optional<LoadedSettings> SettingsFile::reloadIfChanged() {
  const auto fingerprint = fingerprintOf(path_);
  if (looked_ && fingerprint == fingerprint_) return std::nullopt;
  looked_ = true;
  fingerprint_ = fingerprint;
  return loadRegisterSettings(path_);
}
