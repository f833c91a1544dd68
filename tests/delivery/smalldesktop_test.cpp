// Every screen on a desktop smaller than its design (a 1366 x 768 laptop, or
// a large monitor at scale factor 2): the window opens within the available
// area and its content scrolls, so every command button can be scrolled into
// view and clicked where it is drawn. On a desktop with room, nothing scrolls.

#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "shell/desktopfit.h"
#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

// The size each screen is designed for, measured once on its own.
QSize designedSize(QWidget* screen) {
    if (QScrollArea* area = ocu::scrollingContent(screen)) return area->widget()->size();
    return screen->size();
}

// Dialogs other than messages (a save dialog, say) are sent away unanswered.
class DialogCloser : public QObject {
public:
    DialogCloser() {
        connect(&timer_, &QTimer::timeout, this, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && qobject_cast<QMessageBox*>(dialog) == nullptr) dialog->reject();
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

QStringList commandButtons(QWidget* screen) {
    QStringList names;
    for (QPushButton* button : screen->findChildren<QPushButton*>()) {
        if (button->isVisibleTo(screen) && button->isEnabled() && !button->objectName().isEmpty()) {
            names << button->objectName();
        }
    }
    return names;
}

}  // namespace

class SmallDesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void everyScreenOpensWithinTheDesktop_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : Navigator::instance().registeredScreens()) QTest::newRow(qPrintable(name)) << name;
    }
    void everyScreenOpensWithinTheDesktop() {
        QFETCH(QString, name);
        QWidget* screen = openScreen(qPrintable(name));
        const QRect available = screen->screen()->availableGeometry();
        QVERIFY2(available.contains(screen->frameGeometry()),
                 qPrintable(QStringLiteral("frame %1,%2 %3x%4 outside %5x%6")
                                .arg(screen->frameGeometry().x())
                                .arg(screen->frameGeometry().y())
                                .arg(screen->frameGeometry().width())
                                .arg(screen->frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));
        const QSize designed = designedSize(screen);
        const bool fits = designed.width() <= available.width() - 16 && designed.height() <= available.height() - 40;
        QCOMPARE(ocu::scrollingContent(screen) == nullptr, fits);
        if (QScrollArea* area = ocu::scrollingContent(screen)) {
            // The content keeps the designed client area.
            QCOMPARE(area->widget()->size(), designed);
        }
    }

    void everyCommandButtonCanBeScrolledToAndClicked_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : Navigator::instance().registeredScreens()) QTest::newRow(qPrintable(name)) << name;
    }
    void everyCommandButtonCanBeScrolledToAndClicked() {
        QFETCH(QString, name);
        const QStringList buttons = commandButtons(openScreen(qPrintable(name)));
        QVERIFY(!buttons.isEmpty());
        for (const QString& buttonName : buttons) {
            closeAllScreens();
            MessageAnswerer answerer;
            DialogCloser closer;
            QWidget* screen = openScreen(qPrintable(name));
            auto* button = control<QPushButton>(screen, qPrintable(buttonName));
            if (QScrollArea* area = ocu::scrollingContent(screen)) area->ensureWidgetVisible(button, 0, 0);
            const QPoint centre = button->mapTo(screen, button->rect().center());
            QVERIFY2(screen->rect().contains(button->mapTo(screen, button->rect().topLeft())) &&
                         screen->rect().contains(button->mapTo(screen, button->rect().bottomRight())),
                     qPrintable(buttonName + QStringLiteral(" cannot be brought wholly into view")));
            QWidget* hit = screen->childAt(centre);
            // Some screens stack alternative buttons in one place and show the
            // one that applies (the calculator's two Back buttons).
            auto* stacked = qobject_cast<QPushButton*>(hit);
            if (stacked != nullptr && stacked != button && stacked->geometry() == button->geometry()) continue;
            QVERIFY2(hit == button || button->isAncestorOf(hit),
                     qPrintable(buttonName + QStringLiteral(" is covered where it is drawn")));
            QSignalSpy clicked(button, &QPushButton::clicked);
            // A click at that place of the window, as the window system delivers it.
            QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              screen->mapFromGlobal(button->mapToGlobal(button->rect().center())));
            QCOMPARE(clicked.count(), 1);
        }
    }
};

QTEST_MAIN(SmallDesktopTest)
#include "smalldesktop_test.moc"
