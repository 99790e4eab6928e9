#pragma once

#include <QString>

// The program's version, set once in the build: "major.minor.release.build".
QString programVersionText();

// "Probex 1.0.0.1 (64-bit)": the program's name, its version and the width of the build.
QString defaultCaption();
