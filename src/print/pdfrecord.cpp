#include "print/pdfrecord.h"

#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

#include "print/recordpages.h"

namespace ocu {
namespace {

constexpr qreal kMarginMm = 10;

}  // namespace

QPageSize::PageSizeId paperFor(const QLocale& locale) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

SaveOutcome saveRecordAsPdf(QWidget* window, const QStringList& summary, const QString& fileName,
                            const QString& title) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Ocuvance"));
        writer.setTitle(title);
        const QPageLayout layout(QPageSize(paperFor(QLocale())), QPageLayout::Portrait,
                                 QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        drawn = paintRecord(writer, layout, writer.resolution(), window, summary);
    }
    if (!drawn) {
        file.cancelWriting();
        return {false, QStringLiteral("the page could not be drawn")};
    }
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}

}  // namespace ocu
