#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <concepts>
#include <cstddef>

// One value of a logged argument list, kept as the text it is logged with: "NULL" for
// no value, a quoted literal for a text, the ordinary text form for anything else.
class LogValue {
 public:
  LogValue() = default;
  LogValue(std::nullptr_t) {}
  LogValue(bool value);
  template <std::integral T>
  requires(!std::same_as<T, bool>) LogValue(T value) : text_(QString::number(value)) {}
  LogValue(double value);
  LogValue(QStringView text);
  LogValue(const QString& text) : LogValue(QStringView(text)) {}
  LogValue(const char* utf8) : LogValue(QString::fromUtf8(utf8)) {}

  const QString& text() const { return text_; }

 private:
  QString text_ = QStringLiteral("NULL");
};

using LogValues = QList<LogValue>;

// A text as a literal that survives in a one-line log: runs of printable characters
// between single quotes (a quote inside doubled), each control character as #$hh, and
// '' for the empty text. "abc\ndef" reads 'abc'#$0a'def'.
QString quotedLogText(QStringView text);
