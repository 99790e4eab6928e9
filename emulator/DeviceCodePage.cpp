#include "DeviceCodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace codepage {
namespace {

const char Name[] = "windows-1251";

}  // namespace

bool fits(const QString& text) {
  QStringEncoder encoder(Name);
  [[maybe_unused]] const QByteArray bytes = encoder.encode(text);
  return !encoder.hasError();
}

QString printable(const QString& text) {
  QString shown = text;
  for (QChar& c : shown)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = u' ';
  // The encoder writes SUB for a character it cannot encode; no SUB is left in the text.
  QByteArray bytes = encode(shown);
  bytes.replace('\x1a', '?');
  return decode(bytes);
}

QByteArray encode(const QString& text) { return QStringEncoder(Name).encode(text); }

QString decode(QByteArrayView bytes) { return QStringDecoder(Name).decode(bytes); }

}  // namespace codepage
