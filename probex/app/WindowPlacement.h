#pragma once

#include <QRect>

#include <optional>

// The window's stored size and position ("MPWidth", "MPHeigth", "MPTop", "MPLeft"); a
// value that was not stored is none.
struct StoredPlacement {
  std::optional<int> width, height, top, left;
};

// Where the window goes: each stored value replaces the design one. A size is kept
// within the minimum size and the screen's available area, and a window that would not
// have its top-left corner on the screen is centred, so that a stored value from another
// display or a damaged store never hides the window or makes it unusable.
QRect placeWindow(const QRect& design, const StoredPlacement& stored, const QSize& minimum,
                  const QRect& screenArea);
