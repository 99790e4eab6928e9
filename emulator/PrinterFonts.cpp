#include "PrinterFonts.h"

namespace {

const PrinterFont fonts[] = {
    {12, 24},  // 1: the ordinary font
    {10, 22},  // 2: condensed
    {24, 48},  // 3: double width and height
    {12, 48},  // 4: double height
    {8, 16},   // 5: small
    {16, 32},  // 6: large
    {9, 17},   // 7: fine print
};

}  // namespace

std::span<const PrinterFont> printerFonts() { return fonts; }

const PrinterFont* findFont(int number) {
  if (number < 1 || number > int(std::size(fonts))) return nullptr;
  return &fonts[number - 1];
}
