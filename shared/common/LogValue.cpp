#include "LogValue.h"

#include <QLocale>

LogValue::LogValue(bool value) : text_(value ? QStringLiteral("true") : QStringLiteral("false")) {}

LogValue::LogValue(double value)
    : text_(QString::number(value, 'g', QLocale::FloatingPointShortest)) {}

LogValue::LogValue(QStringView text) : text_(quotedLogText(text)) {}

QString quotedLogText(QStringView text) {
  if (text.isEmpty()) return QStringLiteral("''");
  QString literal;
  bool quoteOpen = false;
  for (const QChar c : text) {
    const bool printable = c.unicode() >= 32;
    if (printable != quoteOpen) {
      literal += u'\'';
      quoteOpen = printable;
    }
    if (!printable)
      literal += QString::asprintf("#$%.2x", c.unicode());
    else if (c == u'\'')
      literal += QStringLiteral("''");
    else
      literal += c;
  }
  if (quoteOpen) literal += u'\'';
  return literal;
}
