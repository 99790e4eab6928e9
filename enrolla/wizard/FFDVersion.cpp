#include "FFDVersion.h"

#include "DeviceCapabilities.h"
#include "DeviceTables.h"

namespace Enrolla {

std::int32_t ReadFFDVersion() {
  if (IsCashCore()) return ReadTableInt(10, 1, 4);
  return ReadTableInt(17, 1, 17);
}

void WriteFFDVersion(std::int32_t version) {
  if (IsCashCore()) {
    WriteTableValue(10, 1, 29, version == 1 ? 0 : version);
    return;
  }
  WriteTableValue(17, 1, 17, version);
  if (version > 0) WriteTableValue(17, 1, 3, 2);
}

}  // namespace Enrolla
