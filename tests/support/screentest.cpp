#include "support/screentest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "shell/navigator.h"
#include "screenregistry.h"

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
    texts_ << box->text();
    titles_ << box->windowTitle();
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr) {
        ok->click();
    } else {
        box->reject();
    }
}

}  // namespace ocutest
