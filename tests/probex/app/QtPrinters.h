#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Failure messages show Qt texts as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{';
  for (qsizetype i = 0; i < texts.size(); ++i) {
    if (i) *out << ", ";
    PrintTo(texts[i], out);
  }
  *out << '}';
}
