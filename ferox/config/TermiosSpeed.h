#pragma once

#include <optional>

#include <termios.h>

// The termios code of a line speed in bits per second; nothing for a speed a serial line
// does not run at.
std::optional<speed_t> termiosSpeedOf(int bitsPerSecond);
