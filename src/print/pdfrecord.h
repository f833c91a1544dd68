#pragma once
// Saving a record as a PDF file of its own: no printer and no printing
// service, Qt's own PDF writer. The file appears whole or not at all.

#include <QPageSize>
#include <QString>
#include <QStringList>

class QLocale;
class QWidget;

namespace ocu {

// The paper a user of that locale expects: Letter where US measures are
// used, A4 everywhere else.
QPageSize::PageSizeId paperFor(const QLocale& locale);

struct SaveOutcome {
    bool saved = false;
    QString reason;  // why not, in the system's words; empty when saved
};

// The record's pages (see paintRecord) on the user's paper, written to the
// file through a temporary file that takes the file's place only once it is
// complete: a failure leaves no file behind and an earlier file as it was.
SaveOutcome saveRecordAsPdf(QWidget* window, const QStringList& summary, const QString& fileName, const QString& title);

}  // namespace ocu
