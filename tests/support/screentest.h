#pragma once
// What the screen tests share: finding controls by name, answering the real
// message boxes as a user would, typing and leaving boxes, fresh screens.

#include <QLineEdit>
#include <QObject>
#include <QPointer>
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
        qFatal("%s has no %s named %s", qPrintable(screen->objectName()), T::staticMetaObject.className(), name);
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
    void clear() {
        texts_.clear();
        titles_.clear();
    }

private:
    void answer();
    QTimer timer_;
    QStringList texts_;
    QStringList titles_;
};

// Answers the application's save dialogs, the real QFileDialog, as a user
// does: the file name given (a whole path, which the dialog accepts as
// typed) and Save, or Cancel when the name is empty; the dialog's question
// whether to replace a file of that name, with Yes. Keeps what each dialog
// proposed. Lives for the scope of a test.
class SaveDialogAnswerer : public QObject {
    Q_OBJECT
public:
    explicit SaveDialogAnswerer(QString fileName);
    void answerWith(const QString& fileName) { fileName_ = fileName; }
    // For each dialog answered: the file it proposed, its title, its filters.
    QStringList proposals() const { return proposals_; }
    QStringList titles() const { return titles_; }
    QStringList filters() const { return filters_; }
    // The dialogs' questions whether to replace a file.
    QStringList questions() const { return questions_; }

private:
    void answer();
    QTimer timer_;
    QString fileName_;
    QPointer<QWidget> answered_;
    QStringList proposals_;
    QStringList titles_;
    QStringList filters_;
    QStringList questions_;
};

}  // namespace ocutest
