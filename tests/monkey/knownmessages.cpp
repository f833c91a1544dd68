#include "knownmessages.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

KnownMessages::KnownMessages(const QString& document) {
    QFile file(document);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("cannot read %s", qPrintable(document));
    // Each message is the last cell of a table row, between double quotes.
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1Char('|'))) continue;
        QStringList cells = line.split(QLatin1Char('|'));
        while (!cells.isEmpty() && cells.last().trimmed().isEmpty()) cells.removeLast();
        if (cells.isEmpty()) continue;
        // Cells keep the blanks of the message inside the quotes; only the
        // table's padding around them goes.
        const QString cell = cells.last().trimmed();
        if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"'))) {
            texts_.insert(cell.mid(1, cell.size() - 2));
        }
    }
}

bool KnownMessages::contains(const QString& text) const {
    static const QRegularExpression notANumber(
        QStringLiteral("^ Please enter a number (from \\S+ to \\S+ )?for [^\\n]+ $"));
    return texts_.contains(text) || notANumber.match(text).hasMatch();
}
