#pragma once

#include "LogValue.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <exception>
#include <mutex>

// The process-wide text log. Every line reads
//   [dd.mm.yyyy hh:mm:ss.zzz] [tttttttt] [LEVEL] message
// with the writer's thread number in the second field. The log starts disabled with no
// file name, so every line is dropped until a host turns it on. It never throws: a file
// that cannot be opened drops the line and the next line tries again.
class TLogFile {
 public:
  TLogFile() = default;
  TLogFile(const TLogFile&) = delete;
  TLogFile& operator=(const TLogFile&) = delete;

  bool Enabled() const;
  void setEnabled(bool value);
  QString FileName() const;
  void setFileName(const QString& value);
  // Megabytes; the file rolls over when it grows past this size. 0 or less: no limit.
  int MaxFileSize() const;
  void setMaxFileSize(int megabytes);
  // How many rolled-over files are kept. 0 or less: the file never rolls over.
  int MaxFileCount() const;
  void setMaxFileCount(int count);

  void Trace(const QString& text);
  void Info(const QString& text);
  void Error(const QString& text);
  void Debug(const QString& text);
  void Error(const QString& text, const std::exception& error);

  // The text followed by the values: "Open(1, 'COM1', NULL)".
  void Trace(const QString& text, const LogValues& values);
  void Info(const QString& text, const LogValues& values);
  void Error(const QString& text, const LogValues& values);
  void Debug(const QString& text, const LogValues& values);
  // A call and its result: "Read(1, 2)=0" and "Read=0".
  void Debug(const QString& text, const LogValues& values, const LogValue& result);
  void Debug(const QString& text, const LogValue& result);

 private:
  void add(QLatin1StringView levelTag, const QString& message);
  void write(const QByteArray& line);
  void openFile();
  bool isOverSize() const;
  void rollOver();
  QString rolledFileName(int number) const;

  mutable std::mutex lock_;
  QFile file_;
  QString fileName_;
  bool enabled_ = false;
  int maxFileSize_ = 0;
  int maxFileCount_ = 0;
};

// The one log of the process, created on first use.
TLogFile& GlobalLogger();
// Destroys the log at program end; a later GlobalLogger() starts a fresh, disabled one.
void FreeLogFile();
