#pragma once

#include "PropertyBag.h"

#include <cstdint>

// Shows the control's settings dialog over the connection properties. OK puts the values
// into the properties and saves them for the user; Cancel changes nothing. The dialog
// needs the application's interface thread; called from any other thread, or in a
// program without a window system, it answers result::NotSupported and shows nothing.
std::int32_t showSettingsDialog(PropertyBag& properties);
