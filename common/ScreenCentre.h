#pragma once

class QWidget;

// Puts a window in the middle of the screen it is on, frame included.
void centreOnScreen(QWidget &window);
