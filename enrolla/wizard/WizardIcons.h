#pragma once

#include <QIcon>

namespace Enrolla {

// The images of the bottom band's two round-trip buttons, drawn rather than loaded so
// that they stay sharp at any scale.
QIcon homeIcon();
QIcon settingsIcon();

}  // namespace Enrolla
