#pragma once

#include "PageClass.h"
#include "WorkTypes.h"

#include <cstdint>
#include <optional>

namespace Enrolla {

// What decides which page follows another: the program's mode, the work type chosen on
// the work-type page and the connections chosen on the port-type and network-type pages.
struct FlowState {
  bool X5Mode = false;
  bool IsOFDSettingMode = false;
  bool IsComConnection = true;
  std::int32_t NetType = 0;  // 0 Ethernet, 1 Wi-Fi, 2 RNDIS
  std::optional<WorkType> ChosenWorkType;
};

// The page that follows the page of this class in this state; none when the wizard stays
// on the page (the Wi-Fi settings page, whose settings take effect only after a restart,
// or a choice that leads nowhere).
std::optional<PageClass> nextPageAfter(PageClass page, const FlowState& state);

}  // namespace Enrolla
