#include "ScreenCentring.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window) {
  const QWidget* parent = window.parentWidget();
  QScreen* screen = parent ? parent->screen() : window.screen();
  if (!screen) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}
