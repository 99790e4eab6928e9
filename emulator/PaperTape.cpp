#include "PaperTape.h"

#include <QDir>
#include <QFile>

QString PaperTape::fileName(Station station) {
  return station == Station::Receipt ? QStringLiteral("receipt-tape.txt")
                                     : QStringLiteral("journal-tape.txt");
}

QString PaperTape::cutMark(bool partial) {
  return partial ? QStringLiteral("✂- - - - - - - - - неполная отрезка - - - - - - - - -✂")
                 : QStringLiteral("✂------------------ полная отрезка ------------------✂");
}

QString PaperTape::path(Station station) const { return QDir(folder_).filePath(fileName(station)); }

bool PaperTape::append(Station station, const QStringList& lines) const {
  QFile tape(path(station));
  if (!tape.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  QByteArray text;
  for (const QString& line : lines) text.append(line.toUtf8()).append('\n');
  return tape.write(text) == text.size() && tape.flush();
}
