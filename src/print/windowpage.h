#pragma once
// Draws a window's client area, every control as it stands, onto a page.

#include <optional>

#include "print/rules/pagefit.h"

class QPainter;
class QPageLayout;
class QWidget;

namespace ocu {

// Where the window goes on a page of that layout at that resolution, in
// device pixels of the printable area; nullopt when it cannot go anywhere.
std::optional<PagePlacement> placeWindow(const QWidget* window, const QPageLayout& layout, int resolution);

// Paints the window at its placement. The painter's origin is the top-left
// corner of the printable area. Text and drawings are sent as drawing
// commands, not as a picture of the screen, so they stay sharp on paper.
void paintWindow(QPainter& painter, QWidget* window, const PagePlacement& placement);

}  // namespace ocu
