#include "WindowPlacement.h"

#include <algorithm>

namespace {

int sizeWithin(std::optional<int> stored, int design, int minimum, int available) {
  const int upper = std::max(minimum, available);
  return std::clamp(stored.value_or(design), minimum, upper);
}

}  // namespace

QRect placeWindow(const QRect& design, const StoredPlacement& stored, const QSize& minimum,
                  const QRect& screenArea) {
  QRect placed(
      design.topLeft(),
      QSize(sizeWithin(stored.width, design.width(), minimum.width(), screenArea.width()),
            sizeWithin(stored.height, design.height(), minimum.height(), screenArea.height())));
  placed.moveTo(stored.left.value_or(design.left()), stored.top.value_or(design.top()));
  if (!screenArea.contains(placed.topLeft())) placed.moveCenter(screenArea.center());
  return placed;
}
