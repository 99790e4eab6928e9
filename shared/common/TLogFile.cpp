#include "TLogFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QThread>

#include <memory>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace {

constexpr qint64 BytesPerMegabyte = 1048576;

// A number that tells the writing threads apart; it matches what system tools show.
int currentThreadNumber() {
#ifdef Q_OS_LINUX
  static thread_local const int number = int(gettid() % 100000000);
#else
  static thread_local const int number =
      int(reinterpret_cast<quintptr>(QThread::currentThreadId()) % 100000000);
#endif
  return number;
}

QString lineHeader() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return QString::asprintf("[%.2d.%.2d.%.4d %.2d:%.2d:%.2d.%.3d] [%.8d] ", date.day(), date.month(),
                           date.year(), time.hour(), time.minute(), time.second(), time.msec(),
                           currentThreadNumber());
}

// Log lines are written in the system's 8-bit code page. The registers and their users
// are Russian, so that page is Windows-1251, and this build writes it on every platform
// rather than the locale's UTF-8. A character the page lacks is written as '?', the way
// the system converter does; the library converter would write an invisible SUB
// control character instead, which hides the loss.
const QHash<char16_t, char>& windows1251Bytes() {
  static const QHash<char16_t, char> bytes = [] {
    QHash<char16_t, char> table;
    QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      const QString character = decoder.decode(QByteArray(1, char(byte)));
      if (character.size() == 1 && character[0] != QChar::ReplacementCharacter)
        table.insert(character[0].unicode(), char(byte));
    }
    return table;
  }();
  return bytes;
}

QByteArray toLogCodePage(QStringView text) {
  const QHash<char16_t, char>& table = windows1251Bytes();
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i].unicode();
    if (unit < 0x80) {
      bytes += char(unit);
      continue;
    }
    const bool pair =
        QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    if (pair) ++i;
    bytes += pair ? '?' : table.value(unit, '?');
  }
  return bytes;
}

QString withValues(const QString& text, const LogValues& values) {
  QStringList texts;
  for (const LogValue& value : values) texts += value.text();
  return text + u'(' + texts.join(QStringLiteral(", ")) + u')';
}

std::mutex globalLoggerLock;
std::unique_ptr<TLogFile> globalLogger;

}  // namespace

bool TLogFile::Enabled() const {
  std::lock_guard guard(lock_);
  return enabled_;
}

void TLogFile::setEnabled(bool value) {
  std::lock_guard guard(lock_);
  if (value == enabled_) return;
  enabled_ = value;
  file_.close();
}

QString TLogFile::FileName() const {
  std::lock_guard guard(lock_);
  return fileName_;
}

void TLogFile::setFileName(const QString& value) {
  std::lock_guard guard(lock_);
  if (value == fileName_) return;
  file_.close();
  fileName_ = value;
}

int TLogFile::MaxFileSize() const {
  std::lock_guard guard(lock_);
  return maxFileSize_;
}

void TLogFile::setMaxFileSize(int megabytes) {
  std::lock_guard guard(lock_);
  maxFileSize_ = megabytes;
}

int TLogFile::MaxFileCount() const {
  std::lock_guard guard(lock_);
  return maxFileCount_;
}

void TLogFile::setMaxFileCount(int count) {
  std::lock_guard guard(lock_);
  maxFileCount_ = count;
}

void TLogFile::Trace(const QString& text) { add(QLatin1StringView("[TRACE] "), text); }
void TLogFile::Info(const QString& text) { add(QLatin1StringView("[ INFO] "), text); }
void TLogFile::Error(const QString& text) { add(QLatin1StringView("[ERROR] "), text); }
void TLogFile::Debug(const QString& text) { add(QLatin1StringView("[DEBUG] "), text); }

void TLogFile::Error(const QString& text, const std::exception& error) {
  Error(text + u' ' + QString::fromUtf8(error.what()));
}

void TLogFile::Trace(const QString& text, const LogValues& values) {
  Trace(withValues(text, values));
}

void TLogFile::Info(const QString& text, const LogValues& values) {
  Info(withValues(text, values));
}

void TLogFile::Error(const QString& text, const LogValues& values) {
  Error(withValues(text, values));
}

void TLogFile::Debug(const QString& text, const LogValues& values) {
  Debug(withValues(text, values));
}

void TLogFile::Debug(const QString& text, const LogValues& values, const LogValue& result) {
  Debug(withValues(text, values) + u'=' + result.text());
}

void TLogFile::Debug(const QString& text, const LogValue& result) {
  Debug(text + u'=' + result.text());
}

// Everything but the file work happens before the lock, so writers wait only for I/O.
void TLogFile::add(QLatin1StringView levelTag, const QString& message) {
  write(toLogCodePage(lineHeader() + levelTag + message + QStringLiteral("\r\n")));
}

void TLogFile::write(const QByteArray& line) {
  std::lock_guard guard(lock_);
  if (!enabled_) return;
  if (!file_.isOpen()) openFile();
  if (!file_.isOpen()) return;
  file_.write(line);
  if (isOverSize()) rollOver();
}

void TLogFile::openFile() {
  if (fileName_.isEmpty()) return;
  QDir().mkpath(QFileInfo(fileName_).absolutePath());
  file_.setFileName(fileName_);
  file_.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered);
}

bool TLogFile::isOverSize() const {
  return maxFileSize_ > 0 && file_.size() > maxFileSize_ * BytesPerMegabyte;
}

// The newest rolled-over file is FileName.1.log, the oldest FileName.<MaxFileCount>.log.
// A failed delete or rename leaves that file where it is; lines are never lost, since
// the current file is reopened for appending either way.
void TLogFile::rollOver() {
  if (maxFileCount_ <= 0) return;
  QFile::remove(fileName_ + u'.' + QString::number(maxFileCount_));
  QFile::remove(rolledFileName(maxFileCount_));
  for (int n = maxFileCount_ - 1; n >= 1; --n) {
    if (QFile::exists(rolledFileName(n))) QFile::rename(rolledFileName(n), rolledFileName(n + 1));
  }
  file_.close();
  QFile::rename(fileName_, rolledFileName(1));
  openFile();
}

QString TLogFile::rolledFileName(int number) const {
  return fileName_ + u'.' + QString::number(number) + QStringLiteral(".log");
}

TLogFile& GlobalLogger() {
  std::lock_guard guard(globalLoggerLock);
  if (!globalLogger) globalLogger = std::make_unique<TLogFile>();
  return *globalLogger;
}

void FreeLogFile() {
  std::lock_guard guard(globalLoggerLock);
  globalLogger.reset();
}
