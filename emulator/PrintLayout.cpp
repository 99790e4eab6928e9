#include "PrintLayout.h"

#include <QRegularExpression>

#include <algorithm>

namespace layout {
namespace {

const QRegularExpression& lineBreak() {
  static const QRegularExpression pattern(QStringLiteral("\\r\\n|\\r|\\n"));
  return pattern;
}

}  // namespace

QString singleLine(const QString& text, int width) {
  QString line = text;
  line.replace(lineBreak(), QStringLiteral(" "));
  return line.left(width);
}

QStringList wrapped(const QString& text, int width) {
  QStringList lines;
  const qsizetype step = std::max(width, 1);
  for (const QString& paragraph : text.split(lineBreak())) {
    if (paragraph.isEmpty()) lines << QString();
    for (qsizetype from = 0; from < paragraph.size(); from += step)
      lines << paragraph.mid(from, step);
  }
  return lines;
}

QString wide(const QString& line) {
  QString shown;
  shown.reserve(line.size() * 2);
  for (const QChar c : line) shown.append(c).append(u' ');
  if (!shown.isEmpty()) shown.chop(1);
  return shown;
}

}  // namespace layout
