#pragma once

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>

// The messages the application defines, as docs/messages.md lists them (the
// last cell of a table row, in double quotes; "<screen>" stands for any
// text), plus the not-a-number wording.
class KnownMessages {
public:
    explicit KnownMessages(const QString& document);
    bool contains(const QString& text) const;
    qsizetype size() const { return texts_.size(); }

private:
    void add(const QString& message);
    QSet<QString> texts_;
    QList<QRegularExpression> patterns_;
};
