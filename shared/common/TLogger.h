#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A named front end of the process log: every line it writes starts with the source
// name given to the constructor.
class TLogger {
 public:
  explicit TLogger(const QString& name) : FName(name) {}

  void Info(const QString& message);
  void Debug(const QString& message);
  // With an error object, its message follows in parentheses.
  void Error(const QString& message, const std::exception* error = nullptr);
  void WriteMethodName(const QString& name);
  void WriteMethodValue(const QString& name, const QString& value);
  void WriteSeparator();
  // Bytes as hex text, 20 to a line, after "-> " for sent and "<- " for received data.
  void WriteTxData(const QByteArray& data);
  void WriteRxData(const QByteArray& data);

 private:
  QString withName(const QString& message) const;
  void writeData(const QString& prefix, const QByteArray& data);

  QString FName;
};
