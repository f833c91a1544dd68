#include "shell/navigator.h"

#include <QCloseEvent>
#include <QEvent>
#include <QPushButton>

#include "shell/desktopfit.h"

namespace ocu {

Navigator& Navigator::instance() {
    static Navigator* navigator = new Navigator;  // lives for the whole process
    return *navigator;
}

void Navigator::registerScreen(const QString& name, const Factory& factory) { factories_.insert(name, factory); }

bool Navigator::has(const QString& name) const { return factories_.contains(name); }

QStringList Navigator::registeredScreens() const {
    QStringList names = factories_.keys();
    names.sort();
    return names;
}

QWidget* Navigator::open(const QString& name) {
    if (QWidget* screen = find(name)) {
        screen->show();
        screen->raise();
        screen->activateWindow();
        return screen;
    }
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd()) return nullptr;
    QWidget* screen = (*factory)();
    Q_ASSERT(screen->objectName() == name);
    screen->setObjectName(name);
    screen->setAttribute(Qt::WA_DeleteOnClose, false);
    screen->installEventFilter(this);
    fitToDesktop(screen);
    open_.insert(name, screen);
    screen->show();
    screen->raise();
    screen->activateWindow();
    return screen;
}

QWidget* Navigator::find(const QString& name) const {
    const auto it = open_.constFind(name);
    return it == open_.constEnd() ? nullptr : it->data();
}

QStringList Navigator::openScreens() const {
    QStringList names;
    for (auto it = open_.constBegin(); it != open_.constEnd(); ++it) {
        if (!it->isNull()) names << it.key();
    }
    names.sort();
    return names;
}

void Navigator::hide(const QString& name) {
    if (QWidget* screen = find(name)) screen->hide();
}

void Navigator::hideBehind(const QString& name, const QString& front) {
    hide(name);
    if (!hiddenBehind_.contains(front, name)) hiddenBehind_.insert(front, name);
}

QStringList Navigator::screensBehind(const QString& front) const {
    QStringList names;
    for (const QString& name : hiddenBehind_.values(front)) {
        if (find(name) != nullptr) names << name;
    }
    names.sort();
    return names;
}

void Navigator::discard(const QString& name) {
    hiddenBehind_.remove(name);
    QPointer<QWidget> screen = open_.take(name);
    if (screen.isNull()) return;
    screen->removeEventFilter(this);
    screen->hide();
    // The screen may be closing itself from one of its own handlers, so
    // leave the destruction to the event loop.
    screen->deleteLater();
}

void Navigator::close(const QString& name) { discard(name); }

void Navigator::leave(const QString& name) {
    const QStringList behind = hiddenBehind_.values(name);
    close(name);
    for (const QString& waiting : behind) {
        const QWidget* hidden = find(waiting);
        if (hidden != nullptr && !hidden->isVisible()) close(waiting);
    }
}

void Navigator::home(QWidget* from) {
    open(QString::fromLatin1(kHomeScreen));
    if (from != nullptr) leave(from->objectName());
}

void Navigator::moveOn(QWidget* from, const QString& to) {
    open(to);
    if (from != nullptr) close(from->objectName());
}

void Navigator::endRun() {
    if (ending_) return;
    ending_ = true;
    const QStringList names = open_.keys();
    for (const QString& name : names) discard(name);
    ending_ = false;
    emit runEnded();
}

void Navigator::setEndsRunWhenClosedByFrame(const QString& name) {
    if (!endsRunOnFrameClose_.contains(name)) endsRunOnFrameClose_ << name;
}

bool Navigator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        auto* screen = qobject_cast<QWidget*>(watched);
        const QString name = screen != nullptr ? screen->objectName() : QString();
        if (screen != nullptr && find(name) == screen) {
            // Closing by the window frame: the start-up screens and Home end
            // the run; any other screen is discarded as its Home button would.
            event->ignore();
            if (endsRunOnFrameClose_.contains(name)) {
                endRun();
            } else {
                leave(name);
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void leadsTo(QPushButton* button, const QString& screen, std::function<void()> reaction) {
    if (!Navigator::instance().has(screen)) {
        button->setEnabled(false);
        button->setToolTip(QStringLiteral("Not available in this version of Ocuvance"));
        return;
    }
    QObject::connect(button, &QPushButton::clicked, button, std::move(reaction));
}

void leadsTo(QPushButton* button, const QString& screen) {
    leadsTo(button, screen, [screen] { Navigator::instance().open(screen); });
}

void leadsOnTo(QPushButton* button, QWidget* from, const QString& screen) {
    leadsTo(button, screen, [from, screen] { Navigator::instance().moveOn(from, screen); });
}

void leadsHome(QPushButton* button, QWidget* screen) {
    leadsTo(button, QString::fromLatin1(kHomeScreen), [screen] { Navigator::instance().home(screen); });
}

}  // namespace ocu
