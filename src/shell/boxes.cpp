#include "shell/boxes.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace ocu {
namespace {

class OpensOnClick : public QObject {
public:
    explicit OpensOnClick(QComboBox* box) : QObject(box), box_(box) { box->lineEdit()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // The text cannot be changed, so it is not selected either.
            if (box_->isEnabled()) box_->setFocus(Qt::MouseFocusReason);
            return true;
        case QEvent::MouseButtonRelease:
            // Opened on the release, so that the release of the same click
            // does not land on the list and choose an item at once.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && box_->isEnabled()) box_->showPopup();
            return true;
        default: return QObject::eventFilter(watched, event);
        }
    }

private:
    QComboBox* box_;
};

}  // namespace

void makeChoiceOnly(QComboBox* box) {
    if (!box->isEditable()) return;
    box->lineEdit()->setReadOnly(true);
    // Nothing can be typed, so there is nothing to complete.
    box->setCompleter(nullptr);
    new OpensOnClick(box);
}

void showsItsStart(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        if (!box->hasFocus()) box->setCursorPosition(0);
    });
}

void returnPresses(QLineEdit* box, QPushButton* button) {
    QObject::connect(box, &QLineEdit::returnPressed, button, [box, button] {
        if (!button->isVisible() || !button->isEnabled()) return;
        button->setFocus(Qt::OtherFocusReason);
        // A refusal puts the focus back into the box, perhaps while its window
        // is still inactive behind the message just closed.
        if (box->window()->focusWidget() == box) return;
        button->click();
    });
}

}  // namespace ocu
