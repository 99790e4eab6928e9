#include "CommandHandlers.h"

#include "Device.h"
#include "DeviceCodePage.h"
#include "PrintLayout.h"
#include "PrinterFonts.h"
#include "ResultCodes.h"
#include "Speaker.h"

namespace printer_commands {
namespace {

constexpr int OrdinaryFont = 1;
constexpr int MaxFeedLines = 255;

int charsPerLine(const Device& device, const PrinterFont& font) {
  return device.profile->printWidth / font.charWidth;
}

// The string as printed lines: cut to one line, or carried over to more when the caller
// asks for line carrying.
QStringList linesOf(const QString& text, int width, bool carry) {
  QStringList lines =
      carry ? layout::wrapped(text, width) : QStringList{layout::singleLine(text, width)};
  for (QString& line : lines) line = codepage::printable(line);
  return lines;
}

std::int32_t printOnChosenStations(Device& device, const PropertyBag& in,
                                   const QStringList& lines) {
  const auto stations = device.printer.available(
      {.receipt = in.UseReceiptRibbon(), .journal = in.UseJournalRibbon()});
  if (!stations) return result::InvalidParameters;
  return device.printer.print(*stations, lines);
}

std::int32_t printInFont(Device& device, Call& call, int fontNumber, bool carry) {
  const PrinterFont* font = findFont(fontNumber);
  if (!font) return result::InvalidParameters;
  const PropertyBag& in = call.properties;
  return printOnChosenStations(device, in,
                               linesOf(in.StringForPrinting(), charsPerLine(device, *font), carry));
}

}  // namespace

std::int32_t printString(Device& device, Call& call) {
  return printInFont(device, call, OrdinaryFont, call.properties.CarryStrings());
}

std::int32_t printStringWithFont(Device& device, Call& call) {
  return printInFont(device, call, call.properties.FontType(), call.properties.CarryStrings());
}

std::int32_t printStringWithWrap(Device& device, Call& call) {
  return printInFont(device, call, OrdinaryFont, true);
}

std::int32_t printWideString(Device& device, Call& call) {
  const PropertyBag& in = call.properties;
  const int width = charsPerLine(device, *findFont(OrdinaryFont)) / 2;
  QStringList lines = linesOf(in.StringForPrinting(), width, in.CarryStrings());
  for (QString& line : lines) line = layout::wide(line);
  return printOnChosenStations(device, in, lines);
}

std::int32_t feedDocument(Device& device, Call& call) {
  const int count = call.properties.StringQuantity();
  if (count < 1 || count > MaxFeedLines) return result::InvalidParameters;
  return printOnChosenStations(device, call.properties, QStringList(count, QString()));
}

std::int32_t cutCheck(Device& device, Call& call) {
  return device.printer.cut(call.properties.CutType());
}

std::int32_t waitForPrinting(Device& device, Call&) { return device.printer.pendingError(); }

std::int32_t continuePrint(Device& device, Call&) { return device.printer.continuePrinting(); }

std::int32_t beep(Device& device, Call&) {
  speaker::beep(device);
  return result::Ok;
}

}  // namespace printer_commands
