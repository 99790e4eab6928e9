#pragma once

class QWidget;

// Moves a window to the centre of the available area of the screen it is on (its
// parent's screen while it has not been shown yet).
void centreOnScreen(QWidget& window);
