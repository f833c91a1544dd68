#include "shell/windowicon.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <iterator>

namespace ocu {
namespace {

const char* const kLogo = ":/pictures/logo.svg";
constexpr int kDrawnSides[] = {16, 32, 64, 128, 256};

// The logo drawn from its SVG by Qt's SVG icon engine, made the first time
// a size the build did not draw is asked for.
const QIcon& scalableLogo() {
    static const QIcon logo(QString::fromLatin1(kLogo));
    return logo;
}

class LogoEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (mode == QIcon::Normal && state == QIcon::Off && size.width() == size.height() &&
            std::find(std::begin(kDrawnSides), std::end(kDrawnSides), size.width()) != std::end(kDrawnSides)) {
            QPixmap drawn;
            if (drawn.load(QStringLiteral(":/icons/logo-%1.png").arg(size.width()))) return drawn;
        }
        return scalableLogo().pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        QSize pixels = rect.size();
        if (painter->device() != nullptr) pixels *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(pixels, mode, state));
    }

    // The logo is square: it keeps its proportions within the size asked.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return side > 0 ? QSize(side, side) : QSize();
    }

    QIconEngine* clone() const override { return new LogoEngine; }
    QString key() const override { return QStringLiteral("ocu::LogoEngine"); }
};

}  // namespace

QIcon windowIcon() { return QIcon(new LogoEngine); }

}  // namespace ocu
