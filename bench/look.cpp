#include "look.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace bench {
namespace {

// Controls keyed by name; a name used twice gets "#2" after it, and so on.
// The parts Qt names inside its own widgets ("qt_scrollarea_viewport") are
// theirs to show or hide.
template <class Each>
void forEachNamed(const QWidget* window, Each each) {
    QHash<QString, int> seen;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || control->isWindow()) continue;
        const int turn = ++seen[control->objectName()];
        each(turn == 1 ? control->objectName() : control->objectName() + QLatin1Char('#') + QString::number(turn),
             control);
    }
}

QString textOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) return box->toPlainText();
    if (const auto* box = qobject_cast<const QTextEdit*>(control)) return box->toPlainText();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    if (const auto* box = qobject_cast<const QComboBox*>(control)) return box->currentText();
    return {};
}

void setText(QWidget* control, const QString& text) {
    if (textOf(control) == text) return;
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* box = qobject_cast<QLineEdit*>(control))
        box->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        box->setPlainText(text);
    else if (auto* box = qobject_cast<QTextEdit*>(control))
        box->setPlainText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(text);
    else if (auto* box = qobject_cast<QComboBox*>(control); box != nullptr && box->isEditable())
        box->setEditText(text);
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

}  // namespace

Look lookOf(const QWidget* screen) {
    Look look;
    look.size = screen->size();
    look.title = screen->windowTitle();
    forEachNamed(screen, [&look](const QString& key, const QWidget* control) {
        ControlLook& control_look = look.controls[key];
        control_look.text = textOf(control);
        control_look.hidden = control->isHidden();
        if (const auto* box = qobject_cast<const QComboBox*>(control)) {
            control_look.items = itemsOf(box);
            control_look.current = box->currentIndex();
        }
    });
    return look;
}

void dress(QWidget* form, const Look& look) {
    forEachNamed(form, [&look](const QString& key, QWidget* control) {
        const auto found = look.controls.constFind(key);
        if (found == look.controls.constEnd()) return;
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            if (itemsOf(box) != found->items) {
                box->clear();
                box->addItems(found->items);
            }
            if (box->currentIndex() != found->current) box->setCurrentIndex(found->current);
        }
        setText(control, found->text);
        if (control->isHidden() != found->hidden) control->setHidden(found->hidden);
    });
    if (form->windowTitle() != look.title) form->setWindowTitle(look.title);
    if (form->size() != look.size) form->resize(look.size);
}

}  // namespace bench
