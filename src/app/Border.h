#pragma once

class QWidget;

namespace mirtal::app {

// Gives a window its eight border pictures: UL, UM, UR upper left, middle and right, LS and
// RS the sides, BL, BM, BR the bottom. They lie behind every other control.
void addBorderPictures(QWidget* window);

// Places the border pictures found by name on `window` along its edges: corners keep their
// own size, the middle pieces stretch between them. Done once, when the window loads.
void LayoutBorder(QWidget* window);

}  // namespace mirtal::app
