// Random use of the whole application, as a user can use it: clicks on any
// visible, enabled button or option, typing (ordinary values and bad input)
// into any visible box, drop-down choices, focus moves, closing windows by
// their frame, answering every message box and every save dialog (Cancel,
// or a new file in a folder of the run's own). Seeded and reproducible; after
// every action the application's invariants are checked.
//
//   monkey --seed 7 --actions 20000

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <deque>
#include <random>
#include <thread>

#include "knownmessages.h"
#include "screenregistry.h"
#include "shell/navigator.h"

namespace {

// clang-format off
const QStringList kInputs = {
    QStringLiteral("0"), QStringLiteral("15"), QStringLiteral("25"), QStringLiteral("40"),
    QStringLiteral("55"), QStringLiteral("90"), QStringLiteral("91"), QStringLiteral("-5"),
    QStringLiteral("7.5"), QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("A"),
    QStringLiteral("V"), QStringLiteral(""), QStringLiteral("abc"), QStringLiteral("12abc"),
    QStringLiteral(" 7.5"), QStringLiteral("-0"), QStringLiteral("1e400"), QStringLiteral("1e-400"),
    QStringLiteral("NaN"), QStringLiteral("inf"), QStringLiteral(",5"), QString(QChar(0x0663)),
    QStringLiteral("32768"), QStringLiteral("-32769"), QStringLiteral("2.5"),
    QStringLiteral("\x01\x02\t\x1b"), QString(100000, QLatin1Char('9')),
    QString(100000, QLatin1Char('x'))};

class Monkey : public QObject {
public:
    Monkey(quint64 seed, int actions)
        : rng_(seed), seed_(seed), target_(actions),
          known_(QString::fromUtf8(OCUVANCE_MESSAGES_DOC)) {}

    int run() {
        ocu::registerAllScreens();
        connect(&ocu::Navigator::instance(), &ocu::Navigator::runEnded, this, [this] { runEnded_ = true; });
        startRun();
        startWatchdog();
        QTimer::singleShot(0, this, [this] { step(); });
        QApplication::exec();
        stopWatchdog_ = true;
        if (watchdog_.joinable()) watchdog_.join();
        if (failed_) return 1;
        std::printf("monkey seed %llu: %d actions, %d runs, %d messages answered, %d save dialogs answered, "
                    "screens reached: %s\n",
                    static_cast<unsigned long long>(seed_), done_, runs_, answered_, dialogs_,
                    qPrintable(QStringList(reached_.cbegin(), reached_.cend()).join(QLatin1Char(' '))));
        return 0;
    }

private:
    using Action = std::function<void()>;

    void startRun() {
        ++runs_;
        accepted_ = false;
        runEnded_ = false;
        ocu::Navigator::instance().open(QStringLiteral("Form_PD"));
    }

    void step() {
        const bool stopping = failed_ || done_ >= target_;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        auto* saving = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (stopping && box == nullptr && saving == nullptr && !inAction_) {
            finish();
            return;
        }
        // Scheduled first, so that a message box shown by this action is
        // answered from within its own event loop.
        QTimer::singleShot(0, this, [this] { step(); });
        if (box != nullptr) {
            answer(box);
        } else if (saving != nullptr) {
            answer(saving);
        } else if (inAction_ || stopping) {
            // A handler is still running (its message box has just closed); a
            // user cannot act before it returns.
        } else {
            inAction_ = true;
            act();
            inAction_ = false;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            check();
            if (runEnded_) startRun();
        }
        progress_ = done_;
    }

    void finish() {
        ocu::Navigator::instance().endRun();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::quit();
    }

    void note(const QString& what) {
        recent_.push_back(QString::number(done_) + QLatin1String(": ") + what);
        if (recent_.size() > 40) recent_.pop_front();
    }

    void fail(const QString& why) {
        if (failed_) return;
        std::fprintf(stderr, "monkey seed %llu FAILED after %d actions: %s\nlast actions:\n",
                     static_cast<unsigned long long>(seed_), done_, qPrintable(why));
        for (const QString& line : recent_) std::fprintf(stderr, "  %s\n", qPrintable(line));
        failed_ = true;
    }

    static QString describe(const QWidget* w) {
        return w->window()->objectName() + QLatin1Char('.') + w->objectName() + QLatin1String(" (") +
               QLatin1String(w->metaObject()->className()) + QLatin1Char(')');
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }

    QList<QWidget*> visibleScreens() const {
        QList<QWidget*> screens;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && ocu::Navigator::instance().find(w->objectName()) == w) screens << w;
        }
        return screens;
    }

    template <class T>
    static QList<T*> usable(QWidget* screen) {
        QList<T*> found;
        for (T* w : screen->findChildren<T*>()) {
            if (w->isVisibleTo(screen) && w->isEnabled() && !w->objectName().isEmpty()) found << w;
        }
        return found;
    }

    static void activate(QWidget* screen) {
        if (!screen->isActiveWindow()) {
            screen->activateWindow();
            QApplication::setActiveWindow(screen);
        }
    }

    void act() {
        const QList<QWidget*> screens = visibleScreens();
        if (screens.isEmpty()) {
            fail(QStringLiteral("no screen is shown"));
            return;
        }
        // Home stays open all the time; most of a user's work is on the screens
        // it leads to, so it gets a smaller share of the actions.
        QList<QWidget*> others;
        for (QWidget* w : screens) {
            if (w->objectName() != QLatin1String(ocu::kHomeScreen)) others << w;
        }
        const bool onHome = others.isEmpty() || (others.size() < screens.size() && pick(100) < 15);
        const QList<QWidget*>& from = onHome ? screens : others;
        QWidget* screen = from[pick(static_cast<int>(from.size()))];
        reached_.insert(screen->objectName());
        activate(screen);
        ++done_;
        const int kind = pick(100);
        if (kind < 2) {
            note(QLatin1String("close by frame ") + screen->objectName());
            screen->close();
        } else if (kind < 40) {
            clickSomething(screen);
        } else if (kind < 75) {
            typeSomething(screen);
        } else if (kind < 85) {
            chooseSomething(screen);
        } else {
            moveFocus(screen);
        }
    }

    void clickSomething(QWidget* screen) {
        QList<QAbstractButton*> buttons;
        for (auto* b : usable<QPushButton>(screen)) buttons << b;
        for (auto* b : usable<QRadioButton>(screen)) buttons << b;
        if (buttons.isEmpty()) return;
        QAbstractButton* button = buttons[pick(static_cast<int>(buttons.size()))];
        note(QLatin1String("click ") + describe(button));
        const QPoint where = qobject_cast<QRadioButton*>(button) != nullptr
                                 ? QPoint(6, button->height() / 2)
                                 : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
    }

    void typeSomething(QWidget* screen) {
        QList<QWidget*> boxes;
        for (auto* b : usable<QLineEdit>(screen)) {
            if (!b->isReadOnly()) boxes << b;
        }
        for (auto* b : usable<QPlainTextEdit>(screen)) {
            if (!b->isReadOnly()) boxes << b;
        }
        if (boxes.isEmpty()) return;
        QWidget* box = boxes[pick(static_cast<int>(boxes.size()))];
        const QString& text = kInputs[pick(static_cast<int>(kInputs.size()))];
        note(QLatin1String("type ") + QString::number(text.size()) + QLatin1String(" chars \"") +
             text.left(12) + QLatin1String("\" into ") + describe(box));
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(4, box->height() / 2));
        if (QApplication::activeModalWidget() != nullptr) return;  // the click itself raised a message
        const bool typable = text.size() <= 20 && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() < 0x7f;
        });
        if (!typable) {
            // Long or unprintable texts arrive as a user pastes them.
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(box, text);
        }
    }

    void chooseSomething(QWidget* screen) {
        const QList<QComboBox*> combos = usable<QComboBox>(screen);
        if (combos.isEmpty()) return;
        QComboBox* combo = combos[pick(static_cast<int>(combos.size()))];
        note(QLatin1String("choose in ") + describe(combo));
        combo->setFocus(Qt::MouseFocusReason);
        const int presses = pick(4) + 1;
        const Qt::Key key = pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up;
        for (int i = 0; i < presses && QApplication::activeModalWidget() == nullptr; ++i) {
            QTest::keyClick(combo, key);
        }
    }

    void moveFocus(QWidget* screen) {
        QWidget* focused = screen->focusWidget() != nullptr ? screen->focusWidget() : screen;
        const bool back = pick(3) == 0;
        note(QLatin1String(back ? "shift+tab from " : "tab from ") + describe(focused));
        QTest::keyClick(focused, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void answer(QMessageBox* box) {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.size() != 1 || box->standardButton(buttons.first()) != QMessageBox::Ok) {
            fail(QLatin1String("a message box without exactly one OK: ") + box->text());
        }
        if (box->windowTitle() != QLatin1String("Ocuvance")) {
            fail(QLatin1String("a message box titled ") + box->windowTitle());
        }
        if (!known_.contains(box->text())) fail(QLatin1String("an unknown message: \"") + box->text() + '"');
        note(QLatin1String("answer OK to \"") + box->text() + '"');
        ++answered_;
        if (!buttons.isEmpty()) QTest::mouseClick(buttons.first(), Qt::LeftButton);
    }

    // A save dialog is answered as a user answers it: Cancel, or a name no
    // file has yet, so that the dialog asks nothing more.
    void answer(QFileDialog* dialog) {
        if (dialog == answeredDialog_) return;  // its answer is on its way
        answeredDialog_ = dialog;
        ++dialogs_;
        if (!saved_.isValid()) {
            fail(QStringLiteral("no folder to save into"));
            dialog->reject();
            return;
        }
        if (pick(3) == 0) {
            note(QStringLiteral("cancel the save dialog"));
            dialog->reject();
            return;
        }
        const QString file = saved_.filePath(QStringLiteral("record-%1.pdf").arg(++saves_));
        note(QLatin1String("save as ") + file);
        dialog->selectFile(file);
        QMetaObject::invokeMethod(
            dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); }, Qt::QueuedConnection);
    }

    void check() {
        if (failed_) return;
        ocu::Navigator& screens = ocu::Navigator::instance();
        QHash<QString, int> instances;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (screens.has(w->objectName())) ++instances[w->objectName()];
            if (!w->isVisible()) continue;
            const Qt::WindowType type = w->windowType();
            if (type == Qt::Popup || type == Qt::ToolTip) continue;
            if (qobject_cast<QMessageBox*>(w) != nullptr) continue;
            if (screens.find(w->objectName()) != w) {
                fail(QLatin1String("a visible window that is not a screen: ") + w->objectName() +
                     QLatin1String(" (") + QLatin1String(w->metaObject()->className()) + ')');
                return;
            }
        }
        for (auto it = instances.cbegin(); it != instances.cend(); ++it) {
            if (it.value() > 1) {
                fail(QStringLiteral("%1 instances of %2").arg(it.value()).arg(it.key()));
                return;
            }
        }
        QWidget* home = screens.find(QString::fromLatin1(ocu::kHomeScreen));
        if (home != nullptr) accepted_ = true;
        if (accepted_ && !runEnded_ && (home == nullptr || !home->isVisible())) {
            fail(QStringLiteral("Home is not shown after the terms were accepted"));
        }
    }

    // A hang is a failure too: no action for a minute ends the run loudly.
    void startWatchdog() {
        watchdog_ = std::thread([this] {
            int last = -1;
            int still = 0;
            while (!stopWatchdog_) {
                std::this_thread::sleep_for(std::chrono::seconds(1));
                const int now = progress_;
                still = now == last ? still + 1 : 0;
                last = now;
                if (still >= 60) {
                    std::fprintf(stderr, "monkey seed %llu HUNG after %d actions\n",
                                 static_cast<unsigned long long>(seed_), now);
                    std::fflush(stderr);
                    std::_Exit(3);
                }
            }
        });
    }

    std::mt19937_64 rng_;
    quint64 seed_;
    int target_;
    KnownMessages known_;
    int done_ = 0;
    int runs_ = 0;
    int answered_ = 0;
    int saves_ = 0;
    int dialogs_ = 0;
    QPointer<QFileDialog> answeredDialog_;
    QTemporaryDir saved_;
    bool inAction_ = false;
    bool accepted_ = false;
    bool runEnded_ = false;
    bool failed_ = false;
    std::deque<QString> recent_;
    QSet<QString> reached_;
    std::atomic<int> progress_{0};
    std::atomic<bool> stopWatchdog_{false};
    std::thread watchdog_;
};
// clang-format on

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quint64 seed = 1;
    int actions = 1000;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--seed")) seed = args[i + 1].toULongLong();
        if (args[i] == QLatin1String("--actions")) actions = args[i + 1].toInt();
    }
    Monkey monkey(seed, actions);
    return monkey.run();
}
