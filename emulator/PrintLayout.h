#pragma once

#include <QString>
#include <QStringList>

// How the printer lays a string out on lines of a given width in characters.
namespace layout {

// One line: line breaks print as spaces and what does not fit is cut off.
QString singleLine(const QString& text, int width);
// As many lines as the text needs, broken at line breaks and at the width; an empty
// text is one empty line.
QStringList wrapped(const QString& text, int width);
// Double-width characters: each takes two places, shown with a space after it.
QString wide(const QString& line);

}  // namespace layout
