#include "FiscalTags.h"

#include "BusyRetry.h"
#include "WizardDriver.h"

namespace Enrolla {

namespace {

// Tag value types as the driver's TagType numbers them.
constexpr std::int32_t TagTypeByte = 0;
constexpr std::int32_t TagTypeString = 7;

void sendTag() {
  CheckResult(callWhileBusy([] { return Driver().FNSendTag(); }));
}

}  // namespace

void SendTagStr(std::int32_t tag, const QString& text) {
  Driver().setTagNumber(tag);
  Driver().setTagValueStr(text);
  Driver().setTagType(TagTypeString);
  sendTag();
}

void SendTagByte(std::int32_t tag, std::int32_t value) {
  Driver().setTagNumber(tag);
  Driver().setTagValueInt(value);
  Driver().setTagType(TagTypeByte);
  sendTag();
}

}  // namespace Enrolla
