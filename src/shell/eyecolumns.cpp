#include "shell/eyecolumns.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace ocu {
namespace {

const QString kOD = QStringLiteral("OD");
const QString kOS = QStringLiteral("OS");

// Horizontal centre of a control, in the caption widget's coordinates.
qreal centreIn(const QWidget* heading, const QWidget* column) {
    const QPointF inWindow = column->mapTo(column->window(), QPointF(column->width() / 2.0, 0));
    return heading->mapFrom(heading->window(), inWindow).x();
}

QStyleOptionGroupBox groupBoxOption(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = Qt::Alignment(box->alignment());
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!box->title().isEmpty()) option.subControls |= QStyle::SC_GroupBoxLabel;
    if (box->isFlat()) option.features |= QStyleOptionFrame::Flat;
    option.textColor =
        QColor::fromRgba(static_cast<QRgb>(box->style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &option, box)));
    return option;
}

class EyeHeading : public QObject {
public:
    EyeHeading(QWidget* heading, QWidget* od, QWidget* os) : QObject(heading), heading_(heading), od_(od), os_(os) {
        heading->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != heading_ || event->type() != QEvent::Paint || od_.isNull() || os_.isNull()) {
            return QObject::eventFilter(watched, event);
        }
        if (auto* box = qobject_cast<QGroupBox*>(heading_)) {
            paintFrame(box);
            return true;
        }
        if (auto* label = qobject_cast<QLabel*>(heading_)) {
            paintLabel(label);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void paintRuns(QPainter& painter, const QString& caption, const QRectF& band, const QColor& colour) const {
        const QList<CaptionRun> runs =
            eyeColumnRuns(caption, QFontMetricsF(heading_->font()), centreIn(heading_, od_), centreIn(heading_, os_));
        painter.setPen(colour);
        for (const CaptionRun& run : runs) {
            const QRectF where(run.x, band.top(), QFontMetricsF(heading_->font()).horizontalAdvance(run.text) + 1,
                               band.height());
            painter.drawText(where, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, run.text);
        }
    }

    void paintFrame(QGroupBox* box) const {
        QPainter painter(box);
        QStyleOptionGroupBox option = groupBoxOption(box);
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        const QColor colour = option.textColor.isValid() && option.textColor.alpha() > 0
                                  ? option.textColor
                                  : box->palette().color(QPalette::WindowText);
        option.subControls = QStyle::SC_GroupBoxFrame;
        box->style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, box);
        paintRuns(painter, box->title(), QRectF(label), colour);
    }

    void paintLabel(QLabel* label) const {
        QPainter painter(label);
        const QRectF band = label->contentsRect();
        paintRuns(painter, label->text(), band, label->palette().color(label->foregroundRole()));
    }

    QWidget* heading_;
    QPointer<QWidget> od_;
    QPointer<QWidget> os_;
};

}  // namespace

QList<CaptionRun> eyeColumnRuns(const QString& caption, const QFontMetricsF& metrics, qreal odCentre, qreal osCentre) {
    const qsizetype od = caption.indexOf(kOD);
    const qsizetype os = caption.lastIndexOf(kOS);
    if (od < 0 || os < od + kOD.size()) return {{caption, 0}};
    const QString before = caption.left(od + kOD.size());
    const QString between = caption.mid(od + kOD.size(), os - od - kOD.size());
    const QString after = caption.mid(os);
    const qreal beforeX = odCentre - metrics.horizontalAdvance(caption.left(od)) - metrics.horizontalAdvance(kOD) / 2;
    const qreal afterX = osCentre - metrics.horizontalAdvance(kOS) / 2;
    const qreal gapStart = odCentre + metrics.horizontalAdvance(kOD) / 2;
    const qreal betweenX = (gapStart + afterX) / 2 - metrics.horizontalAdvance(between) / 2;
    return {{before, beforeX}, {between, betweenX}, {after, afterX}};
}

void headEyeColumns(QWidget* screen) {
    const QList<QWidget*> children = screen->findChildren<QWidget*>();
    for (QWidget* heading : children) {
        const QString odName = heading->property("odColumn").toString();
        const QString osName = heading->property("osColumn").toString();
        if (odName.isEmpty() || osName.isEmpty()) continue;
        auto* od = screen->findChild<QWidget*>(odName);
        auto* os = screen->findChild<QWidget*>(osName);
        Q_ASSERT_X(od != nullptr && os != nullptr, "headEyeColumns", "a caption names a column the screen lacks");
        if (od == nullptr || os == nullptr) continue;
        new EyeHeading(heading, od, os);
    }
}

}  // namespace ocu
