// A rule's result reaches its label as the rule says: each of text and
// background only when the result gives it, and a background exactly the
// RGB given, as a grab of the window shows it.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "shell/results.h"

Q_DECLARE_METATYPE(std::optional<ocu::Result>)

namespace {

const QColor kOpening(240, 240, 200);
const QColor kWhite(255, 255, 255);
const QColor kLightCyan(192, 255, 255);
const QColor kLavender(192, 192, 255);

// A window with one result label on its opening background, showing "Before".
struct Window {
    Window() {
        window.resize(200, 80);
        auto* created = new QLabel(QStringLiteral("Before"), &window);
        created->setObjectName(QStringLiteral("Label1"));
        created->setGeometry(10, 10, 180, 30);
        ocu::setBackground(created, kOpening);
    }
    QLabel* label() { return window.findChild<QLabel*>(QStringLiteral("Label1")); }
    QColor drawn(QWidget* widget, QPoint at = {2, 2}) {
        return window.grab().toImage().pixelColor(widget->mapTo(&window, at));
    }
    QWidget window;
};

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void writesWhatTheResultGives_data() {
        QTest::addColumn<std::optional<ocu::Result>>("result");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("background");
        QTest::newRow("text on the result colour")
            << std::optional(ocu::Result{"Basic Esotropia ", ocu::kResultColour}) << "Basic Esotropia " << kLightCyan;
        QTest::newRow("text keeping the colour")
            << std::optional(ocu::Result{"Infantile Exotropia", std::nullopt}) << "Infantile Exotropia" << kOpening;
        QTest::newRow("colour keeping the text")
            << std::optional(ocu::Result{std::nullopt, ocu::kDifferentialColour}) << "Before" << kLavender;
        QTest::newRow("emptied on white") << std::optional(ocu::Result{"", ocu::kWhite}) << "" << kWhite;
        QTest::newRow("left alone") << std::optional<ocu::Result>() << "Before" << kOpening;
    }
    void writesWhatTheResultGives() {
        QFETCH(std::optional<ocu::Result>, result);
        QFETCH(QString, text);
        QFETCH(QColor, background);
        Window w;
        ocu::writeResult(w.label(), result);
        QCOMPARE(w.label()->text(), text);
        QCOMPARE(w.drawn(w.label()), background);
    }

    void aTextBoxShowsTheColourInItsField() {
        QWidget window;
        window.resize(200, 80);
        auto* box = new QLineEdit(QStringLiteral("B/L MR Recession"), &window);
        box->setGeometry(10, 10, 180, 30);
        ocu::setBackground(box, ocu::kResultColour);
        const QImage drawn = window.grab().toImage();
        QCOMPARE(drawn.pixelColor(box->geometry().right() - 4, box->geometry().center().y()), kLightCyan);
    }

    // The drop-down's field is the colour, disabled too; its rounded frame's
    // corners stay the window's.
    void aDropDownShowsTheColourInItsFieldOnly() {
        QWidget window;
        window.resize(200, 80);
        const QColor behind = window.palette().color(QPalette::Window);
        auto* box = new QComboBox(&window);
        box->setEditable(true);
        box->addItems({QStringLiteral("0"), QStringLiteral("5")});
        box->setGeometry(10, 10, 120, 26);
        ocu::setBackground(box, ocu::kDosingColour);
        for (bool enabled : {true, false}) {
            box->setEnabled(enabled);
            const QImage drawn = window.grab().toImage();
            const QRect field = box->lineEdit()->geometry().translated(box->pos());
            QCOMPARE(drawn.pixelColor(field.right() - 2, field.center().y()), QColor(0, 255, 0));
            QCOMPARE(drawn.pixelColor(box->pos()), behind);
        }
    }

    void convertsTextAndColourUnchanged() {
        QCOMPARE(ocu::toQString("Diff. Diagn  \xc2\xb1"), QString::fromUtf8("Diff. Diagn  \xc2\xb1"));
        QCOMPARE(ocu::toQString(std::string_view("AB", 1)), QStringLiteral("A"));
        QCOMPARE(ocu::toQColor(ocu::kCautionColour), QColor(255, 128, 128));
        QCOMPARE(ocu::toQColor(ocu::kWarningColour), QColor(255, 0, 0));
    }
};

QTEST_MAIN(ResultsTest)
#include "results_test.moc"
