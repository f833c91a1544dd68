#pragma once
// What the screen tests share: finding controls by name, answering the real
// message boxes as a user would, typing and leaving boxes, fresh screens.

#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace ocutest {

// The control of the screen with that object name; fails the test when absent.
template <class T>
T* control(QWidget* screen, const char* name) {
    T* found = screen->findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("%s has no %s named %s", qPrintable(screen->objectName()),
               T::staticMetaObject.className(), name);
    }
    return found;
}

// Registers every screen once; call from initTestCase.
void registerScreens();
// Opens a screen through the navigator and waits until it is shown and active.
QWidget* openScreen(const char* name);
// Closes every screen and lets the event loop finish destroying them.
void closeAllScreens();
// Lets screens closed by the navigator be destroyed now.
void flushDeletes();

// Clicks into the box (it gains the focus as a user's click gives it),
// then types the text key by key.
void typeInto(QLineEdit* box, const QString& text);
// Clicks a control with the mouse, as a user does.
void click(QWidget* widget);
// Leaves the focused control with Tab.
void pressTab(QWidget* focused);

// Answers every message box the application shows with OK, keeping its
// text. Lives for the scope of a test.
class MessageAnswerer : public QObject {
    Q_OBJECT
public:
    MessageAnswerer();
    QStringList texts() const { return texts_; }
    QStringList titles() const { return titles_; }
    void clear() { texts_.clear(); titles_.clear(); }

private:
    void answer();
    QTimer timer_;
    QStringList texts_;
    QStringList titles_;
};

}  // namespace ocutest
