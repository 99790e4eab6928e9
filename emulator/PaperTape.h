#pragma once

#include <QString>
#include <QStringList>

// What the printer puts on paper, kept as text files in the state folder, one per station
// (receipt-tape.txt, journal-tape.txt). Lines are appended as they are printed, so a user
// can follow a station with tail -f, or delete a file to start a clean roll; a cut shows
// as a marked line of its own.
class PaperTape {
 public:
  enum class Station { Receipt, Journal };

  explicit PaperTape(QString folder) : folder_(std::move(folder)) {}

  static QString fileName(Station station);
  static QString cutMark(bool partial);

  QString path(Station station) const;
  // False when the file cannot be written.
  bool append(Station station, const QStringList& lines) const;

 private:
  QString folder_;
};
