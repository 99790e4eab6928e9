#pragma once

#include <QString>

namespace Enrolla {

// The program's version, set once in the build: "major.minor.release.build".
QString wizardVersionText();

// Whether the program runs for the retail chain whose parameter files it exchanges: a
// file "X5.ini" in the program's folder switches that mode on.
bool isX5Mode(const QString& programFolder);

// "Enrolla 1.0.0.1 (64-bit)", with " [X5]" in X5 mode.
QString wizardCaption(bool x5Mode);

}  // namespace Enrolla
