#include "print/recordpages.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QWidget>

#include "print/windowpage.h"

namespace ocu {
namespace {

constexpr qreal kBodyPoints = 10;
constexpr qreal kTitlePoints = 14;

QFont summaryFont(bool title) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(title ? kTitlePoints : kBodyPoints);
    font.setBold(title);
    return font;
}

}  // namespace

SummaryPages::SummaryPages(const QStringList& lines, QPaintDevice* device, qreal width) {
    QTextOption wrapping;
    // A word longer than the line (a name pasted without blanks) is broken
    // rather than run off the paper.
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        auto layout = std::make_unique<QTextLayout>(lines[i], summaryFont(i == 0), device);
        layout->setTextOption(wrapping);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
        }
        layout->endLayout();
        blocks_.push_back(std::move(layout));
    }
}

SummaryPages::~SummaryPages() = default;

bool SummaryPages::finished() const { return block_ >= blocks_.size(); }

void SummaryPages::paintPage(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setPen(Qt::black);
    qreal y = area.top();
    bool first = true;
    while (!finished()) {
        QTextLayout& layout = *blocks_[block_];
        const QTextLine line = layout.lineAt(line_);
        if (!first && y + line.height() > area.bottom()) break;
        line.draw(&painter, QPointF(area.left(), y - line.y()));
        y += line.height();
        first = false;
        if (++line_ >= layout.lineCount()) {
            ++block_;
            line_ = 0;
        }
    }
    painter.restore();
}

bool paintRecord(QPagedPaintDevice& device, QPageLayout layout, int resolution, QWidget* window,
                 const QStringList& summary) {
    const std::optional<PagePlacement> placement = placeWindow(window, layout, resolution);
    if (!placement) return false;
    layout.setOrientation(placement->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!device.setPageLayout(layout)) return false;

    QPainter painter;
    if (!painter.begin(&device)) return false;
    paintWindow(painter, window, *placement);
    bool drawn = true;
    if (!summary.isEmpty()) {
        // Text reads best upright, whichever way the screen's page lies. A
        // layout set before a new page is that page's.
        layout.setOrientation(QPageLayout::Portrait);
        const QRect area = layout.paintRectPixels(resolution);
        SummaryPages pages(summary, &device, area.width());
        drawn = device.setPageLayout(layout);
        while (drawn && !pages.finished()) {
            drawn = device.newPage();
            if (drawn) pages.paintPage(painter, QRectF(0, 0, area.width(), area.height()));
        }
    }
    return painter.end() && drawn;
}

}  // namespace ocu
