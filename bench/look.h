#pragma once
// What a screen shows once it is open, taken down control by control, so
// that a bare form of the same .ui can be given the same texts, the same
// hidden controls and the same size before it is shown.

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

namespace bench {

struct ControlLook {
    QString text;       // caption, text, title or plain text, by the control's kind
    QStringList items;  // a drop-down's list
    int current = -1;   // a drop-down's chosen item
    bool hidden = false;
};

struct Look {
    QSize size;
    QString title;
    // By object name, and by the name's turn among its namesakes.
    QHash<QString, ControlLook> controls;
};

// The look of every named control of the screen as it stands.
Look lookOf(const QWidget* screen);

// Sets on the form's named controls what the look has and they have not:
// their texts and lists, hidden or shown; then the window's title and size.
void dress(QWidget* form, const Look& look);

}  // namespace bench
