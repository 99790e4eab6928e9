#include "DeviceStatus.h"

#include "Device.h"
#include "DeviceModes.h"
#include "PropertyBag.h"

namespace status {
namespace {

using Station = PaperTape::Station;

bool never(const Device&) { return false; }
bool receiptPaper(const Device& d) { return d.printer.paperIn(Station::Receipt); }
bool journalPaper(const Device& d) { return d.printer.paperIn(Station::Journal); }
bool coverOpen(const Device& d) { return d.printer.coverOpen(); }
bool receiptLeverDown(const Device& d) { return !d.printer.coverOpen(); }
bool journalLeverDown(const Device& d) { return d.printer.hasJournal() && !d.printer.coverOpen(); }
// Prices carry two decimals on every model of the family.
bool twoDecimalPrices(const Device&) { return true; }

const StatusFlag statusFlags[] = {
    {0, PropertyId::QuantityPointPosition, never},
    {1, PropertyId::PresenterOut, never},
    {2, PropertyId::PresenterIn, never},
    {3, PropertyId::IsEKLZOverflow, never},
    {4, PropertyId::IsDrawerOpen, never},
    {5, PropertyId::LidPositionSensor, coverOpen},
    {6, PropertyId::ReceiptRibbonLever, receiptLeverDown},
    {7, PropertyId::JournalRibbonLever, journalLeverDown},
    {8, PropertyId::ReceiptRibbonOpticalSensor, receiptPaper},
    {9, PropertyId::JournalRibbonOpticalSensor, journalPaper},
    {10, PropertyId::EKLZIsPresent, never},
    {11, PropertyId::PointPosition, twoDecimalPrices},
    {12, PropertyId::SlipDocumentIsPresent, never},
    {13, PropertyId::SlipDocumentIsMoving, never},
    {14, PropertyId::ReceiptRibbonIsPresent, receiptPaper},
    {15, PropertyId::JournalRibbonIsPresent, journalPaper},
};

}  // namespace

std::span<const StatusFlag> flags() { return statusFlags; }

std::uint16_t flagWord(const Device& device) {
  std::uint16_t word = 0;
  for (const StatusFlag& flag : statusFlags)
    if (flag.value(device)) word |= std::uint16_t(1u << flag.bit);
  return word;
}

void reportMode(const Device& device, PropertyBag& properties) {
  const int current = mode::current(device);
  const int subMode = device.printer.subMode();
  properties.setECRMode(current);
  properties.setECRModeDescription(mode::description(current));
  properties.setECRAdvancedMode(subMode);
  properties.setECRAdvancedModeDescription(mode::subModeDescription(subMode));
  properties.setECRModeStatus(0);
}

void reportFlags(const Device& device, PropertyBag& properties) {
  properties.setECRFlags(flagWord(device));
  for (const StatusFlag& flag : statusFlags) properties.set(flag.property, flag.value(device));
}

}  // namespace status
