// Tab order on every screen: from its first control, Tab goes round every
// control a surgeon can reach, each once, in the order the screen's steps
// are read, and comes back to where it started; Shift+Tab goes the same way
// back.
//
// Each screen's order is a line of names. A control's name stands for that
// control; a frame's (or any container's) name stands for every Tab stop
// inside it, consecutive and in reading order: rows top to bottom, each row
// left to right, where a row is everything whose middle lies within the
// height of the row's topmost item, and an inner frame or an option group
// is one item read as a whole.
//
// The option buttons of one frame are one Tab stop (the frame's options).
// On a screen just opened, Tab arrives on the first of them in the Tab
// order, whichever is selected; from then on Qt keeps the Tab stop on the
// option that last had the focus, and the arrow keys move among them. So
// the first in the Tab order must be the first in reading order.

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <algorithm>

#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;

namespace {

// Each screen's Tab order, as the surgeon reads it: as it opens, and where
// a step shows or enables more controls, after the clicks that do so.
struct DeclaredOrder {
    const char* screen;
    const char* clicks;
    const char* order;
};

// clang-format off
const DeclaredOrder kOrders[] = {
    {"Form_PD", "", "Text1 Command1"},
    {"Terms", "", "Text1 Frame1 Command1 Command2"},
    // The two work-up frames on the left, then the tools on the right.
    {"SBoard", "", "Frame1 Frame2 Frame4 Frame3 Frame5"},
    {"Inst_Eso", "", "Text1 Command1 Command2"},
    {"Inst_Exo", "", "Text1 Command1 Command2"},
    {"AbtAuthor", "", "Text1 Command1"},
    // The printer, then what the page is to hold and saving it, then printing.
    {"Print_01", "", "Frame1 chkPlanSummary cmdSavePdf Frame2"},
    // Steps 1 to 8, then Help. The deviations column by column; the pattern
    // box that Enter fills (below the simulator) before Step 6, which it narrows.
    {"Esotropia", "",
     "Frame1 Frame7 Frame3 Frame5 D N N3 UP DN Command2 Command5 Text1 Frame4 Frame11 Frame9 Frame10 Frame13"},
    // Steps 1 to 8, then Help; in Step 5 the refraction frame before NPA and
    // NPC, in Step 6 the deviations column by column before those after patching.
    {"Exotropia", "",
     "Frame2 Frame4 Frame5 Frame7 Frame9 Text8 Text9 Text1 D N UP DN N60 N3 Command1 Command6 Frame6 Frame12 Frame17"},
    // Patient, deviation, obliques and patterns as the work-up hands them
    // over; then the plan: procedure, the millimetres it opens, the check,
    // and the plan written out.
    {"Squint", "",
     "Frame1 Frame2 Frame3 Frame5 Command1 Command11 Command2 Command3 Command13 Showresult Text11 Text9 txtPlanSummary Frame7"},
    // Three or four muscles disables bilateral recession.
    {"Squint", "ESO_OD Command3",
     "Frame1 Frame2 Frame3 Frame5 Command11 Command2 Command3 Command13 "
     "cmbLRres_R cmbLRres_L cmbMRrec_R cmbMRrec_L Showresult Text11 Text9 txtPlanSummary Frame7"},
    {"Squint", "EXO_OD Command3",
     "Frame1 Frame2 Frame3 Frame5 Command11 Command2 Command3 Command13 "
     "cmbLRrec_R cmbLRrec_L cmbMRres_R cmbMRres_L Showresult Text11 Text9 txtPlanSummary Frame7"},
    {"SB_Manage", "", "Frame1 Frame2 Command8"},
    // Ductions of each eye, ptosis, the gaze cross (up, right, left, down),
    // convergence, Enter and Reset, then the management row.
    {"Paralytic", "", "Frame1 Frame2 Frame11 Frame15 Frame18 Frame17 Frame16 Frame19 Command1 Command7 Frame21"},
    {"Third_man", "", "Frame2 Frame3 Frame6 Command1 Command8"},
    {"Third_man", "Option2 Option4", "Frame2 Frame3 Frame6 Frame4 Frame5 Command1 Command8"},
    {"Sixth_man", "", "Frame1 Command1 Command8"},
    {"SQman", "", "Frame2 Frame1 Command4 Command8"},
    {"Knapp", "", "Frame1"},
    {"Parks", "", "Frame1 Frame2 Frame3 Command2"},
    {"Brown", "", "Frame2"},
    {"Brown", "Command2", "Frame2 Frame1"},
    {"Brown", "Command5", "Frame2 Frame3"},
    {"DRS", "", "Frame1 Frame2 Command7 Command5 Command4 Command3"},
    {"DVD", "", "Frame1 Command2 Command4"},
    {"ACA", "", "Frame1 Command2"},
    // The result box before Home, as on every screen.
    {"Form_AVP", "", "Frame2 Frame1 Text4 Command8"},
    // Gazes, ductions, vergence, hypertropia, the over-action grades (each
    // eye's column from grade 1 to 4), the grade calculator, Home.
    {"Mov", "",
     "Frame3 Frame4 Frame5 Frame6 LinfGr1 LinfGr2 LinfGr3 LinfGr4 RInfgr1 RInfgr2 RInfgr3 RInfgr4 "
     "LsupGr1 LsupGr2 LsupGr3 LsupGr4 RsupGr1 RsupGr2 RsupGr3 RsupGr4 Frame7 Command6"},
};
// clang-format on

QStringList words(const char* text) { return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

QWidget* focused() { return QApplication::focusWidget(); }

bool isOption(const QWidget* widget) {
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button != nullptr && button->isCheckable() && button->autoExclusive();
}

// The options of one frame share a Tab stop: the frame stands for it.
const QObject* stopKey(const QWidget* widget) {
    return isOption(widget) ? static_cast<const QObject*>(widget->parentWidget()) : widget;
}

QString stopName(const QWidget* widget) {
    return isOption(widget) ? widget->parentWidget()->objectName() + QStringLiteral(" options") : widget->objectName();
}

// What Tab stops at: shown, enabled and taking focus by Tab, and not handing
// it on (as the text line inside an editable drop-down does to the drop-down).
bool takesTab(const QWidget* widget, const QWidget* screen) {
    return widget->isVisibleTo(screen) && widget->isEnabled() && widget->focusProxy() == nullptr &&
           (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// Every Tab stop of the screen, by key, with the widgets that make it.
QHash<const QObject*, QList<QWidget*>> stopsOf(QWidget* screen) {
    QHash<const QObject*, QList<QWidget*>> stops;
    for (QWidget* widget : screen->findChildren<QWidget*>()) {
        if (takesTab(widget, screen)) stops[stopKey(widget)] << widget;
    }
    return stops;
}

struct Item {
    QRect rect;             // in the coordinates of the container being read
    QList<QWidget*> stops;  // one widget per Tab stop, in reading order
};

// Rows top to bottom, each left to right (see the head of this file).
QList<Item> inReadingOrder(QList<Item> items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.rect.top() < b.rect.top(); });
    QList<QList<Item>> rows;
    for (const Item& item : items) {
        const int middle = item.rect.center().y();
        if (!rows.isEmpty() && middle <= rows.back().front().rect.bottom()) {
            rows.back() << item;
        } else {
            rows << QList<Item>{item};
        }
    }
    QList<Item> ordered;
    for (QList<Item>& row : rows) {
        std::stable_sort(row.begin(), row.end(),
                         [](const Item& a, const Item& b) { return a.rect.left() < b.rect.left(); });
        ordered << row;
    }
    return ordered;
}

// The Tab stops inside a container, in reading order; an option group and
// an inner container are each one item.
QList<QWidget*> stopsInside(QWidget* container, const QWidget* screen) {
    QList<Item> items;
    Item options;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!takesTab(child, screen)) {
            if (QList<QWidget*> inner = stopsInside(child, screen); !inner.isEmpty()) {
                items << Item{child->geometry(), inner};
            }
        } else if (isOption(child)) {
            options.rect |= child->geometry();
            options.stops << child;
        } else {
            items << Item{child->geometry(), {child}};
        }
    }
    if (!options.stops.isEmpty()) {
        // The group's Tab stop is its first option in reading order.
        QList<Item> each;
        for (QWidget* option : options.stops) each << Item{option->geometry(), {option}};
        options.stops = {inReadingOrder(each).front().stops.front()};
        items << options;
    }
    QList<QWidget*> ordered;
    for (const Item& item : inReadingOrder(items)) ordered << item.stops;
    return ordered;
}

QStringList namesOf(const QList<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets) names << stopName(widget);
    return names;
}

// Presses the key from the first control until the focus comes back to it
// (or leaves the screen, or the presses run out); the controls it stopped at.
QList<QWidget*> walk(QWidget* screen, QWidget* first, Qt::Key key, int presses, bool* closed) {
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget*> chain{focused()};
    *closed = false;
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(focused(), key);
        QWidget* now = focused();
        if (now == nullptr || now->window() != screen) break;
        if (now == first) {
            *closed = true;
            break;
        }
        chain << now;
    }
    return chain;
}

}  // namespace

class TabOrderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void everyScreenHasItsOrderDeclared() {
        QStringList declared;
        for (const DeclaredOrder& row : kOrders) declared << QLatin1String(row.screen);
        declared.removeDuplicates();
        QStringList registered = ocu::Navigator::instance().registeredScreens();
        declared.sort();
        registered.sort();
        QCOMPARE(declared, registered);
    }

    void tabGoesRoundInReadingOrder_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("order");
        for (const DeclaredOrder& row : kOrders) {
            const QString name = *row.clicks == '\0' ? QString::fromLatin1(row.screen)
                                                     : QStringLiteral("%1 after %2").arg(row.screen, row.clicks);
            QTest::newRow(qPrintable(name)) << QString::fromLatin1(row.screen) << words(row.clicks) << words(row.order);
        }
    }

    void tabGoesRoundInReadingOrder() {
        QFETCH(QString, screen);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, order);
        MessageAnswerer answerer;
        QWidget* window = openScreen(qPrintable(screen));
        for (const QString& name : clicks) click(control<QWidget>(window, qPrintable(name)));
        const QHash<const QObject*, QList<QWidget*>> stops = stopsOf(window);

        // The declared order, name by name, as the Tab stops it stands for.
        QList<QWidget*> expected;
        QSet<const QObject*> placed;
        for (const QString& name : order) {
            auto* named = window->findChild<QWidget*>(name);
            QVERIFY2(named != nullptr, qPrintable(name + QStringLiteral(" is not on the screen")));
            const QList<QWidget*> its = takesTab(named, window) ? QList<QWidget*>{named} : stopsInside(named, window);
            QVERIFY2(!its.isEmpty(), qPrintable(name + QStringLiteral(" holds no Tab stop")));
            for (QWidget* stop : its) {
                QVERIFY2(!placed.contains(stopKey(stop)),
                         qPrintable(stopName(stop) + QStringLiteral(" is declared twice")));
                placed << stopKey(stop);
                expected << stop;
            }
        }
        QVERIFY2(!expected.isEmpty(), "no order declared");
        QStringList unplaced;
        for (auto it = stops.cbegin(); it != stops.cend(); ++it) {
            if (!placed.contains(it.key())) unplaced << stopName(it.value().front());
        }
        unplaced.sort();
        QVERIFY2(unplaced.isEmpty(),
                 qPrintable(QStringLiteral("Tab stops with no declared place: ") + unplaced.join(u' ')));

        bool closed = false;
        const int presses = int(expected.size()) + 2;
        const QList<QWidget*> forward = walk(window, expected.front(), Qt::Key_Tab, presses, &closed);
        const QString forwardText = namesOf(forward).join(u' ');
        QVERIFY2(closed, qPrintable(QStringLiteral("Tab does not come back to the start: ") + forwardText));
        QVERIFY2(namesOf(forward) == namesOf(expected),
                 qPrintable(QStringLiteral("\n  Tab goes  ") + forwardText + QStringLiteral("\n  declared  ") +
                            namesOf(expected).join(u' ')));
        // Tab arrives on a frame's options at its first one.
        QCOMPARE(forward, expected);

        QList<QWidget*> backward = walk(window, expected.front(), Qt::Key_Backtab, presses, &closed);
        QVERIFY2(closed, qPrintable(QStringLiteral("Shift+Tab does not come back to the start: ") +
                                    namesOf(backward).join(u' ')));
        std::reverse(backward.begin() + 1, backward.end());
        QCOMPARE(namesOf(backward), namesOf(expected));
        QVERIFY2(answerer.texts().isEmpty(), qPrintable(answerer.texts().join(u'|')));
    }
};

QTEST_MAIN(TabOrderTest)
#include "taborder_test.moc"
