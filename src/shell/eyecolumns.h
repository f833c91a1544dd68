#pragma once
// Captions that head the right eye's and the left eye's columns of a table
// ("   OD        OS  ") are drawn so that each eye's word stands over its own
// column. Written as plain text, the words fall wherever the font puts the
// blanks, which can be over the other eye's boxes. The caption's text stays
// exactly as it is; only where its pieces are drawn changes.
//
// The form says which columns a caption heads: the frame or label carrying
// it has the dynamic properties `odColumn` and `osColumn`, each the object
// name of a control in that eye's column.

#include <QList>
#include <QString>

class QFontMetricsF;
class QWidget;

namespace ocu {

// Makes every caption of the screen that names its eye columns draw its
// words over them.
void headEyeColumns(QWidget* screen);

// A piece of a caption and the x at which it starts.
struct CaptionRun {
    QString text;
    qreal x = 0;
};
// The caption cut into pieces so that the centre of its first "OD" lands on
// odCentre and the centre of its last "OS" on osCentre; what lies between
// is centred in the gap. A caption without both words is one run at 0.
QList<CaptionRun> eyeColumnRuns(const QString& caption, const QFontMetricsF& metrics, qreal odCentre, qreal osCentre);

}  // namespace ocu
