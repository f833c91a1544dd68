#include "print/windowpage.h"

#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QWidget>

namespace ocu {

std::optional<PagePlacement> placeWindow(const QWidget* window, const QPageLayout& layout, int resolution) {
    QPageLayout upright = layout;
    upright.setOrientation(QPageLayout::Portrait);
    QPageLayout turned = layout;
    turned.setOrientation(QPageLayout::Landscape);
    const QRect portraitArea = upright.paintRectPixels(resolution);
    const QRect landscapeArea = turned.paintRectPixels(resolution);
    return placeOnPage({double(window->width()), double(window->height())},
                       {double(portraitArea.width()), double(portraitArea.height())},
                       {double(landscapeArea.width()), double(landscapeArea.height())});
}

void paintWindow(QPainter& painter, QWidget* window, const PagePlacement& placement) {
    // Recorded at the screen's own resolution, so that fonts keep their size
    // relative to the controls, then replayed as vector commands on the page.
    QPicture recording;
    {
        QPainter recorder(&recording);
        window->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(placement.left, placement.top);
    painter.scale(placement.scale, placement.scale);
    painter.setClipRect(QRect(QPoint(0, 0), window->size()));
    // A recording replays at the resolution of the device it is played on;
    // the placement already carries the whole scale.
    const QPaintDevice* page = painter.device();
    painter.scale(double(recording.logicalDpiX()) / page->logicalDpiX(),
                  double(recording.logicalDpiY()) / page->logicalDpiY());
    painter.drawPicture(0, 0, recording);
    painter.restore();
}

}  // namespace ocu
