#include "QtPrinters.h"
#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacementTest, StoredValuesReplaceTheDesignWithinTheScreen) {
  const QRect screen(0, 0, 1280, 800);
  const QRect design(100, 90, 745, 540);
  const QSize minimum(400, 300);
  struct Case {
    const char* name;
    StoredPlacement stored;
    QRect placed;
  };
  const Case cases[] = {
      {"nothing stored", {}, design},
      {"all stored", {900, 600, 10, 20}, QRect(20, 10, 900, 600)},
      {"only the size", {800, 500, {}, {}}, QRect(100, 90, 800, 500)},
      {"smaller than the minimum", {10, -5, 10, 20}, QRect(20, 10, 400, 300)},
      {"larger than the screen", {100000, 100000, 0, 0}, QRect(0, 0, 1280, 800)},
      {"off the screen", {745, 540, -5000, 90000}, QRect(267, 130, 745, 540)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(placeWindow(design, c.stored, minimum, screen), c.placed) << c.name;
}

}  // namespace
