#include "shell/picture.h"

#include <QCoreApplication>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace ocu {
namespace {

// One parsed drawing per source, shared by every copy on every screen; the
// application owns them, so they go when it does.
QSvgRenderer* rendererFor(const QString& source) {
    static QHash<QString, QSvgRenderer*> renderers;
    auto it = renderers.find(source);
    if (it == renderers.end()) {
        auto* renderer = new QSvgRenderer(source, QCoreApplication::instance());
        renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
        it = renderers.insert(source, renderer);
    }
    return *it;
}

// The drawing at that size in device pixels, drawn once and kept while the
// cache has room: screens open afresh and irises slide over their faces, and
// each of those repaints would otherwise draw the vectors again.
QPixmap pixmapFor(const QString& source, QSize size, qreal scale) {
    const QSize pixels = (QSizeF(size) * scale).toSize();
    const QString key = QStringLiteral("ocu-picture:%1:%2x%3").arg(source).arg(pixels.width()).arg(pixels.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = QPixmap(pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        rendererFor(source)->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    pixmap.setDevicePixelRatio(scale);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace

Picture::Picture(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TranslucentBackground); }

void Picture::setSource(const QString& source) {
    source_ = source;
    update();
}

QSize Picture::sizeHint() const {
    if (source_.isEmpty()) return {32, 32};
    return rendererFor(source_)->defaultSize();
}

void Picture::paintEvent(QPaintEvent*) {
    if (source_.isEmpty()) return;
    QPainter painter(this);
    // On paper (a printout is recorded, then replayed at the printer's
    // resolution) the drawing goes as vectors, so it stays sharp.
    if (painter.paintEngine()->type() != QPaintEngine::Raster) {
        painter.setRenderHint(QPainter::Antialiasing);
        rendererFor(source_)->render(&painter, QRectF(rect()));
        return;
    }
    painter.drawPixmap(rect(), pixmapFor(source_, size(), devicePixelRatioF()));
}

}  // namespace ocu
