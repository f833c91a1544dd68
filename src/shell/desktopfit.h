#pragma once
// A screen is designed for one size of client area. On a desktop with less
// room (a laptop, or a large scale factor) its window opens within the
// available area and its content scrolls, each control keeping its designed
// place in the content; where the whole screen fits, nothing changes.

class QScrollArea;
class QWidget;

namespace ocu {

// Call once the screen is built and before it is shown.
void fitToDesktop(QWidget* screen);

// The area holding a screen's content when it scrolls, or nullptr when the
// screen fits its desktop as designed.
QScrollArea* scrollingContent(const QWidget* screen);

}  // namespace ocu
