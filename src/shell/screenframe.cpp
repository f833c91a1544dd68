#include "shell/screenframe.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QWidget>

#include "shell/controls.h"

namespace ocu {
namespace {

class BannerCircles : public QWidget {
public:
    BannerCircles(int count, QWidget* parent) : QWidget(parent), count_(count) {
        setObjectName(QStringLiteral("BannerCircles"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(QStringLiteral("Banner circles"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        static const QColor colours[] = {QColor(255, 128, 0), QColor(255, 255, 255), QColor(0, 255, 0)};
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const qreal d = height() * 0.6;
        for (int i = 0; i < count_ && i < 3; ++i) {
            painter.setBrush(colours[i]);
            painter.drawEllipse(QRectF(i * (d * 1.5) + d * 0.3, (height() - d) / 2, d, d));
        }
    }

private:
    int count_;
};

QLabel* strip(QWidget* screen, const QString& name, const QString& text = {}) {
    auto* label = new QLabel(text, screen);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Highlight);
    label->setForegroundRole(QPalette::HighlightedText);
    label->setAccessibleName(text.isEmpty() ? name : text);
    return label;
}

class FrameLayout : public QObject {
public:
    FrameLayout(QWidget* screen, QLabel* banner, QWidget* circles, QLabel* left, QLabel* right, QLabel* credit)
        : QObject(screen),
          banner_(banner),
          circles_(circles),
          left_(left),
          right_(right),
          credit_(credit),
          creditFont_(credit->font()) {
        screen->installEventFilter(this);
        arrange(screen->size());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The strips frame the screen's content, which scrolls inside the
        // window when the desktop is too small for it.
        if (event->type() == QEvent::Resize) arrange(banner_->parentWidget()->size());
        return QObject::eventFilter(watched, event);
    }

private:
    void arrange(QSize size) {
        const int bannerH = mmToPx(kBannerHeightMm);
        const int stripW = mmToPx(kStripWidthMm);
        const int creditH = mmToPx(kCreditHeightMm);
        banner_->setGeometry(0, 0, size.width(), bannerH);
        circles_->setGeometry(0, 0, bannerH * 3, bannerH);
        banner_->setIndent(bannerH * 3);
        left_->setGeometry(0, bannerH, stripW, size.height() - bannerH - creditH);
        right_->setGeometry(size.width() - stripW, bannerH, stripW, size.height() - bannerH - creditH);
        credit_->setGeometry(0, size.height() - creditH, size.width(), creditH);
        fitCredit(size.width());
    }

    // On a narrow screen the credit line is set in smaller type rather than
    // cut at both ends.
    void fitCredit(int width) {
        constexpr qreal kSmallestPoint = 6;
        constexpr int kMargin = 6;
        QFont font = creditFont_;
        while (QFontMetricsF(font).horizontalAdvance(credit_->text()) > width - kMargin &&
               font.pointSizeF() - 0.5 >= kSmallestPoint) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
        credit_->setFont(font);
    }

    QLabel* banner_;
    QWidget* circles_;
    QLabel* left_;
    QLabel* right_;
    QLabel* credit_;
    QFont creditFont_;
};

}  // namespace

QString creditLine() {
    return QStringLiteral(
        "Ocuvance    \u00A9 2026 Ocuvance Clinical Software. All rights reserved.    "
        "www.ocuvance.example");
}

QString bannerText(const QString& title) { return QStringLiteral("Ocuvance                    ") + title; }

void frameScreen(QWidget* screen, const FrameSpec& design) {
    screen->setWindowTitle(design.caption);
    QLabel* banner = strip(screen, design.bannerName, bannerText(design.title));
    QFont bold = banner->font();
    bold.setBold(true);
    banner->setFont(bold);
    auto* circles = new BannerCircles(design.circles, banner);
    QLabel* left = strip(screen, design.leftStripName);
    QLabel* right = strip(screen, design.rightStripName);
    QLabel* credit = strip(screen, design.creditName, creditLine());
    credit->setAlignment(Qt::AlignCenter);
    for (QWidget* piece : {static_cast<QWidget*>(banner), static_cast<QWidget*>(left), static_cast<QWidget*>(right),
                           static_cast<QWidget*>(credit)}) {
        piece->lower();
    }
    new FrameLayout(screen, banner, circles, left, right, credit);
}

}  // namespace ocu
