#include "knownmessages.h"

#include <QFile>
#include <QRegularExpression>

KnownMessages::KnownMessages(const QString& document) {
    QFile file(document);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("cannot read %s", qPrintable(document));
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression quoted(QStringLiteral("`\"((?:[^\"`]|\"(?!`))*)\"`"));
    for (auto it = quoted.globalMatch(text); it.hasNext();) texts_.insert(it.next().captured(1));
}

bool KnownMessages::contains(const QString& text) const {
    static const QRegularExpression notANumber(
        QStringLiteral("^ Please enter a number (from \\S+ to \\S+ )?for [^\\n]+ $"));
    return texts_.contains(text) || notANumber.match(text).hasMatch();
}
