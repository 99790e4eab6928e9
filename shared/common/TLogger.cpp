#include "TLogger.h"

#include "HexText.h"
#include "TLogFile.h"

namespace {

constexpr qsizetype BytesPerLine = 20;
constexpr qsizetype SeparatorWidth = 60;

}  // namespace

void TLogger::Info(const QString& message) { GlobalLogger().Info(withName(message)); }

void TLogger::Debug(const QString& message) { GlobalLogger().Debug(withName(message)); }

void TLogger::Error(const QString& message, const std::exception* error) {
  QString text = withName(message);
  if (error) text += QStringLiteral(" (") + QString::fromUtf8(error->what()) + u')';
  GlobalLogger().Error(text);
}

void TLogger::WriteMethodName(const QString& name) { Debug(name); }

void TLogger::WriteMethodValue(const QString& name, const QString& value) {
  Debug(name + QStringLiteral(": ") + value);
}

void TLogger::WriteSeparator() { Info(QString(SeparatorWidth, u'-')); }

void TLogger::WriteTxData(const QByteArray& data) { writeData(QStringLiteral("-> "), data); }

void TLogger::WriteRxData(const QByteArray& data) { writeData(QStringLiteral("<- "), data); }

QString TLogger::withName(const QString& message) const { return FName + u' ' + message; }

// An empty dump still writes its prefix, so the log shows that an exchange happened.
void TLogger::writeData(const QString& prefix, const QByteArray& data) {
  qsizetype offset = 0;
  do {
    Debug(prefix + bytesToHexText(data.mid(offset, BytesPerLine)));
    offset += BytesPerLine;
  } while (offset < data.size());
}
