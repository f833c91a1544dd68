#include "support/screentest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "screenregistry.h"
#include "shell/navigator.h"

namespace ocutest {

void registerScreens() {
    static bool done = false;
    if (!done) ocu::registerAllScreens();
    done = true;
}

QWidget* openScreen(const char* name) {
    QWidget* screen = ocu::Navigator::instance().open(QLatin1String(name));
    if (screen == nullptr) qFatal("screen %s is not registered", name);
    if (!QTest::qWaitForWindowActive(screen)) qWarning("screen %s did not become active", name);
    return screen;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void closeAllScreens() {
    ocu::Navigator& screens = ocu::Navigator::instance();
    for (const QString& name : screens.openScreens()) screens.close(name);
    flushDeletes();
}

void typeInto(QLineEdit* box, const QString& text) {
    click(box);
    QTest::keyClicks(box, text);
}

namespace {
// Input goes to the active window only, as on a desktop.
void activate(QWidget* widget) {
    QWidget* window = widget->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window);
    }
}
}  // namespace

void click(QWidget* widget) {
    activate(widget);
    // An option button laid out wider than its caption only takes clicks on
    // its round button and caption, as on a desktop: aim at the button.
    QPoint where = widget->rect().center();
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        where = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option).center();
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, where);
}

void pressTab(QWidget* focused) {
    activate(focused);
    QTest::keyClick(focused, Qt::Key_Tab);
}

MessageAnswerer::MessageAnswerer() {
    connect(&timer_, &QTimer::timeout, this, &MessageAnswerer::answer);
    timer_.start(5);
}

void MessageAnswerer::answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    // The save dialog's own question is the save dialog's answerer's.
    if (qobject_cast<QFileDialog*>(box->parentWidget()) != nullptr) return;
    texts_ << box->text();
    titles_ << box->windowTitle();
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr) {
        ok->click();
    } else {
        box->reject();
    }
}

SaveDialogAnswerer::SaveDialogAnswerer(QString fileName) : fileName_(std::move(fileName)) {
    connect(&timer_, &QTimer::timeout, this, &SaveDialogAnswerer::answer);
    timer_.start(5);
}

void SaveDialogAnswerer::answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* question = qobject_cast<QMessageBox*>(modal);
        question != nullptr && question->isVisible() &&
        qobject_cast<QFileDialog*>(question->parentWidget()) != nullptr) {
        // Replace the file that is there: the user chose its name.
        questions_ << question->text();
        if (QAbstractButton* yes = question->button(QMessageBox::Yes)) yes->click();
        return;
    }
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr || !dialog->isVisible() || dialog == answered_) return;
    answered_ = dialog;
    proposals_ << dialog->selectedFiles().value(0);
    titles_ << dialog->windowTitle();
    filters_ << dialog->nameFilters().join(QLatin1String(";;"));
    if (fileName_.isEmpty()) {
        dialog->reject();
        return;
    }
    dialog->selectFile(fileName_);
    // Save, as its button does, from the dialog's own turn of the event
    // loop: a question it asks then comes while this answerer can answer.
    QMetaObject::invokeMethod(
        dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); }, Qt::QueuedConnection);
}

}  // namespace ocutest
