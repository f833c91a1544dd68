#pragma once
// The frame every screen but the welcome screen wears: the title banner with
// its small circles, the side strips and the credit line, all in the system
// highlight colours.

#include <QString>

class QWidget;

namespace ocu {

struct FrameSpec {
    QString caption;  // the window's title bar
    QString title;    // shown in the banner after the product name
    int circles = 3;  // orange, white, green from the left; a few screens show two
    // Object names of the frame's pieces, for screens whose design names them.
    QString bannerName = QStringLiteral("Banner");
    QString leftStripName = QStringLiteral("LeftStrip");
    QString rightStripName = QStringLiteral("RightStrip");
    QString creditName = QStringLiteral("CreditLine");
};

// Heights and widths of the frame's pieces, in millimetres of the client area.
inline constexpr double kBannerHeightMm = 5.0;
inline constexpr double kStripWidthMm = 1.5;
inline constexpr double kCreditHeightMm = 4.5;

// The product's credit line.
QString creditLine();
// "Ocuvance", a run of blanks, then the title.
QString bannerText(const QString& title);

// Frames the screen in one call; the pieces follow the window's size and stay
// behind the screen's own controls.
void frameScreen(QWidget* screen, const FrameSpec& design);

}  // namespace ocu
