#pragma once
// The application's window icon: the logo.

#include <QIcon>

namespace ocu {

// The logo as an icon. The sizes a window system asks of a scalable icon
// (16, 32, 64 and 128 pixels, and twice those up to 256 at scale factor 2)
// come from PNGs the build drew from the logo's SVG; any other size or mode
// is drawn from the SVG itself. Nothing is read until a size is asked for,
// so a run whose windows show no icon pays nothing for it.
QIcon windowIcon();

}  // namespace ocu
