#pragma once

#include <span>

// The printer's built-in fonts, numbered from 1; every model carries the same set.
struct PrinterFont {
  int charWidth;   // dots
  int charHeight;  // dots
};

std::span<const PrinterFont> printerFonts();
// nullptr for a number outside 1..count.
const PrinterFont* findFont(int number);
