#pragma once
// The pages of a record: the screen's page as it stands and, when the record
// carries a plan summary, the summary after it. Printing and saving as PDF
// draw the very same pages.

#include <QStringList>
#include <QtGlobal>
#include <memory>
#include <vector>

class QPageLayout;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QRectF;
class QTextLayout;
class QWidget;

namespace ocu {

// Draws the record onto a paged device that is not yet painted on, on the
// paper and margins of the layout: the window's page turned the way it comes
// out largest, then the summary's lines upright on the pages they take (none
// when there are no lines). False when a page cannot be drawn.
bool paintRecord(QPagedPaintDevice& device, QPageLayout layout, int resolution, QWidget* window,
                 const QStringList& summary);

// The summary's lines laid out for one width on one device, to be drawn a
// page at a time. The first line is the title and stands out.
class SummaryPages {
public:
    SummaryPages(const QStringList& lines, QPaintDevice* device, qreal width);
    ~SummaryPages();
    SummaryPages(const SummaryPages&) = delete;
    SummaryPages& operator=(const SummaryPages&) = delete;

    // Draws, from the top of the area, the lines that fit, starting where the
    // last page stopped; at least one line, so that every page moves on.
    void paintPage(QPainter& painter, const QRectF& area);
    bool finished() const;

private:
    std::vector<std::unique_ptr<QTextLayout>> blocks_;
    std::size_t block_ = 0;  // the next line to draw: its block...
    int line_ = 0;           // ...and its line within the block
};

}  // namespace ocu
