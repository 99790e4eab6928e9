#include "DeviceModes.h"

#include "Device.h"

#include <map>

namespace mode {
namespace {

const std::map<int, const char16_t*> descriptions = {
    {ShiftClosed, u"Смена закрыта"},
    {DateEntered, u"Ожидание подтверждения даты"},
};

const char16_t* const subModeDescriptions[] = {
    u"Бумага есть",
    u"Пассивное отсутствие бумаги",
    u"Активное отсутствие бумаги",
    u"После активного отсутствия бумаги",
};

}  // namespace

int current(const Device& device) { return device.clock.enteredDate() ? DateEntered : ShiftClosed; }

QString description(int m) {
  const auto found = descriptions.find(m);
  return found == descriptions.end() ? QString() : QString::fromUtf16(found->second);
}

QString subModeDescription(int subMode) {
  if (subMode < 0 || subMode >= int(std::size(subModeDescriptions))) return QString();
  return QString::fromUtf16(subModeDescriptions[subMode]);
}

}  // namespace mode
