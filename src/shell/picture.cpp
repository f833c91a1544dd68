#include "shell/picture.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
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

}  // namespace

Picture::Picture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

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
    painter.setRenderHint(QPainter::Antialiasing);
    rendererFor(source_)->render(&painter, QRectF(rect()));
}

}  // namespace ocu
