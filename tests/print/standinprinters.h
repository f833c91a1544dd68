#pragma once
// Printers the tests make up: any list of names, duplicates included, a
// default that may not be installed, printers that vanish or refuse pages.
// Each page is drawn as the real printers draw it, onto an image: the
// screen's page, then the plan summary's pages when there is a summary.

#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "print/printers.h"
#include "print/recordpages.h"
#include "print/windowpage.h"

namespace ocutest {

struct PrinterBench {
    struct Job {
        QString printer;
        QString screen;
        QImage page;          // the screen's page
        QStringList summary;  // the plan summary's lines, empty when none was asked for
        QList<QImage> pages;  // every page, the screen's first
    };
    QStringList installed;
    QString defaultName;
    QStringList refusing;
    QList<Job> jobs;
};

class StandInPrinters : public ocu::Printers {
public:
    explicit StandInPrinters(std::shared_ptr<PrinterBench> bench) : bench_(std::move(bench)) {}

    QStringList deviceNames() const override { return bench_->installed; }
    QString defaultName() const override { return bench_->defaultName; }

    using ocu::Printers::print;
    ocu::PrintOutcome print(QWidget* window, const QStringList& summary, const QString& deviceName) override {
        if (!bench_->installed.contains(deviceName)) return ocu::PrintOutcome::PrinterMissing;
        if (bench_->refusing.contains(deviceName)) return ocu::PrintOutcome::Refused;
        QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                           QPageLayout::Millimeter);
        const auto placement = ocu::placeWindow(window, layout, kDotsPerInch);
        if (!placement) return ocu::PrintOutcome::Refused;
        layout.setOrientation(placement->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        QImage page = blankPage(layout);
        QPainter painter(&page);
        painter.translate(layout.paintRectPixels(kDotsPerInch).topLeft());
        ocu::paintWindow(painter, window, *placement);
        painter.end();
        QList<QImage> pages{page};
        if (!summary.isEmpty()) {
            layout.setOrientation(QPageLayout::Portrait);
            const QRect area = layout.paintRectPixels(kDotsPerInch);
            QImage probe = blankPage(layout);
            ocu::SummaryPages summaryPages(summary, &probe, area.width());
            while (!summaryPages.finished()) {
                QImage next = blankPage(layout);
                QPainter text(&next);
                text.translate(area.topLeft());
                summaryPages.paintPage(text, QRectF(0, 0, area.width(), area.height()));
                text.end();
                pages << next;
            }
        }
        bench_->jobs.append({deviceName, window->objectName(), page, summary, pages});
        return ocu::PrintOutcome::Printed;
    }

private:
    static constexpr int kDotsPerInch = 100;
    static QImage blankPage(const QPageLayout& layout) {
        QImage page(layout.fullRectPixels(kDotsPerInch).size(), QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
        page.setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
        page.fill(Qt::white);
        return page;
    }
    std::shared_ptr<PrinterBench> bench_;
};

// The smallest rectangle holding every pixel that is not white.
inline QRect inkedArea(const QImage& page) {
    const QImage image = page.convertToFormat(QImage::Format_RGB32);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            if (qRed(p) < 245 || qGreen(p) < 245 || qBlue(p) < 245) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace ocutest
