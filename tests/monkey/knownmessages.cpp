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
            add(cell.mid(1, cell.size() - 2));
        }
    }
}

void KnownMessages::add(const QString& message) {
    // "<screen>" and the like stand for what the application fills in.
    static const QRegularExpression placeholder(QStringLiteral("<[^<>]+>"));
    if (!message.contains(placeholder)) {
        texts_.insert(message);
        return;
    }
    QString pattern;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(message); it.hasNext();) {
        const auto match = it.next();
        pattern += QRegularExpression::escape(message.mid(from, match.capturedStart() - from));
        pattern += QStringLiteral(".+");
        from = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(message.mid(from));
    patterns_.append(QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')));
}

bool KnownMessages::contains(const QString& text) const {
    for (const QRegularExpression& pattern : patterns_) {
        if (pattern.match(text).hasMatch()) return true;
    }
    static const QRegularExpression notANumber(
        QStringLiteral("^ Please enter a number (from \\S+ to \\S+ )?for [^\\n]+ $"));
    return texts_.contains(text) || notANumber.match(text).hasMatch();
}
