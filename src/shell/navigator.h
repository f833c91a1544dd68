#pragma once
// Owns every screen of the run: at most one instance of each, built from
// its design when opened while closed, discarded when closed.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPushButton;

namespace ocu {

class Navigator : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*()>;

    // The one navigator of the run.
    static Navigator& instance();

    // Makes a screen known by its name. A screen that is not registered
    // cannot be opened; buttons leading to it stay disabled.
    void registerScreen(const QString& name, const Factory& factory);
    bool has(const QString& name) const;
    QStringList registeredScreens() const;

    // Builds the screen when it is closed, then shows it. An open screen
    // is only shown again, with everything on it. Returns the screen, or
    // nullptr when the name is not registered.
    QWidget* open(const QString& name);
    template <class Screen>
    Screen* open(const QString& name) {
        return qobject_cast<Screen*>(open(name));
    }

    // The open instance, or nullptr when the screen is closed.
    QWidget* find(const QString& name) const;
    template <class Screen>
    Screen* find(const QString& name) const {
        return qobject_cast<Screen*>(find(name));
    }
    QStringList openScreens() const;

    void hide(const QString& name);
    // Hides `name` behind `front`, the screen it handed its work to. Going
    // back from `front` shows it again as it was; leaving `front` by Home or
    // by its window frame closes it too, so that its contents cannot turn
    // up later under a new start. A screen shown again in the meantime is
    // the user's again and stays open.
    void hideBehind(const QString& name, const QString& front);
    // The screens hidden behind `front` that are still open, by name.
    QStringList screensBehind(const QString& front) const;
    // Removes the window and discards its state; the next open builds it afresh.
    void close(const QString& name);
    // Home: opens the switchboard, then closes the given screen.
    void home(QWidget* from);
    // Opens the screen `to`, then closes `from`: the screen is left for the next.
    void moveOn(QWidget* from, const QString& to);
    // Closes every screen and ends the run: the application quits on runEnded.
    void endRun();

    // Screens whose closing by the window frame ends the run, as Quit does.
    void setEndsRunWhenClosedByFrame(const QString& name);

signals:
    void runEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Navigator() = default;
    void discard(const QString& name);
    // Closes the screen and whatever is hidden behind it.
    void leave(const QString& name);

    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> open_;
    QStringList endsRunOnFrameClose_;
    QMultiHash<QString, QString> hiddenBehind_;  // front screen -> the screens hidden behind it
    bool ending_ = false;
};

inline constexpr const char* kHomeScreen = "SBoard";

// Connects a button that leads to another screen. When that screen is not
// part of this build the button is disabled, with a tooltip saying so, and
// pressing it from code does nothing.
void leadsTo(QPushButton* button, const QString& screen, std::function<void()> reaction);
// The same, with the reaction "open the screen".
void leadsTo(QPushButton* button, const QString& screen);
// The same, with the reaction "open the screen, then close `from`".
void leadsOnTo(QPushButton* button, QWidget* from, const QString& screen);
// A Home button: opens the switchboard and closes its screen.
void leadsHome(QPushButton* button, QWidget* screen);

}  // namespace ocu
