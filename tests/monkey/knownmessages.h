#pragma once

#include <QSet>
#include <QString>

// The messages the application defines, as docs/messages.md lists them (the
// last cell of a table row, in double quotes), plus the not-a-number wording.
class KnownMessages {
public:
    explicit KnownMessages(const QString& document);
    bool contains(const QString& text) const;
    qsizetype size() const { return texts_.size(); }

private:
    QSet<QString> texts_;
};
