#pragma once

#include "TfmMain.h"

#include <vector>

namespace Enrolla {

// Every page of the wizard, in the order the main window creates them.
std::vector<PageFactory> wizardPages();

}  // namespace Enrolla
