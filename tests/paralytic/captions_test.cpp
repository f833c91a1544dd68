// The fixed captions of the paralytic screens, as the clinician reads them:
// misspellings, capitals and blanks included.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "support/screentest.h"

using namespace ocutest;

namespace {
QString captionOf(QWidget* screen, const QString& name) {
    QWidget* control = screen->findChild<QWidget*>(name);
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return QStringLiteral("<no control %1>").arg(name);
}
}  // namespace

class CaptionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void captionsAreExact_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* screen, const char* control, const char* caption) {
            QTest::addRow("%s %s", screen, control) << screen << control << QString::fromUtf8(caption);
        };
        row("Paralytic", "Frame11", "Ptosis-----------Right Eye--------------------------------------------Left Eye");
        row("Paralytic", "Frame14", "Please Select Gazes ");
        row("Paralytic", "Frame15", "Is Up Gaze Normal?");
        row("Paralytic", "Frame19", "Are both eyes converging ?");
        row("Paralytic", "Frame20", "Provisional Diagnosis And Diff. Diagnosis");
        row("Paralytic", "Frame21", " Management Of Palsies");
        row("Paralytic", "Option2", "Restricted");
        row("Paralytic", "Option9", "Present");
        row("Paralytic", "Command4", "Fourth Nerve Palsy");
        row("SB_Manage", "Frame1", "Step By Step Approach For Paralytic Squints");
        row("SB_Manage", "Frame2", "Management Of Cranial Nerve Palsies");
        row("SB_Manage", "Label1",
            "If  you are sure of diagnosis and want to directly  proceed for management then use this approach.");
        row("SB_Manage", "Command6", "Esotropia / Exotropia");
        row("SB_Manage", "Command7", "Hypertopia ");
        row("Third_man", "Frame2", "Step 1. Whether it is congenital or aquired ?");
        row("Third_man", "Frame3", "Step 2. Whether it is complete or partial?");
        row("Third_man", "Frame6", "Step. 3 Type of ptosis");
        row("Third_man", "Frame4", "Step 4 Cause");
        row("Third_man", "Frame5", "Step 5.  Palsy is due to diabetes or CNS lession?");
        row("Third_man", "Option1", "Congenital ");
        row("Third_man", "Option2", "Aquired");
        row("Third_man", "Option5", "Diabetic ");
        row("Third_man", "Option6", "CNS Lesions");
        row("Sixth_man", "Frame1", "Management Of Sixth Nerve Palsy");
        row("Sixth_man", "Frame2", "Please select whether palsy is acute or chronic ?");
        row("Sixth_man", "Frame3", "Please select whether it is paresis or palsy ?");
        row("Sixth_man", "Frame4", "Management Options");
        row("Sixth_man", "Option4", "Complete Paralysis");
        row("SQman", "Frame1", "Based On Hypertropia, Cyclotropia And Sup.Rectus Traction Test");
        row("SQman", "Frame2", " Based On Knapp's Classification");
        row("SQman", "Frame4", "Amount Of Hypertopia In Primary Position");
        row("SQman", "Frame6", "Sup.Rectus Tracrtion Test");
        row("SQman", "Frame7", "Hypertropia On ");
        row("SQman", "Frame8", "Amount O fHypertropia In Prism Diopter");
        row("SQman", "Frame9", "Knapp's ");
        row("SQman", "Option1", "< 15 Prism D");
        row("SQman", "Option2", ">15 Prism D");
        row("SQman", "Option3", "< 10 Prism D");
        row("SQman", "Option4", ">15 Prism D");
        row("SQman", "Option10", "Less Than 25 D");
        row("SQman", "OptionL", "Left Side");
        row("SQman", "Label10", "Plan Surgery on");
        row("SQman", "Command4", "Knapp's Classification");
        row("Knapp", "Frame1", "Knapp's Classification");
        row("Knapp", "Frame3", "Knapp's ");
        row("Knapp", "OptionL", "Left ");
        row("Knapp", "class7", "Class 7");
        row("Parks", "Frame2", "Is hypertopia increase in Rt or Lt gaze ?");
        row("Parks", "Frame3", "Is hypertopia  increase in Rt head turn or Lt head turn?");
        row("Parks", "Option15", "Both Gazes");
        row("Parks", "Option16", "Both");
        row("Parks", "Label6", "Step 3 Inference");
    }
    void captionsAreExact() {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QWidget* shown = ocu::Navigator::instance().open(screen);
        QVERIFY(shown != nullptr);
        QCOMPARE(captionOf(shown, control), caption);
    }

    void bannersAndWindowCaptions_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::newRow("menu") << "SB_Manage"
                              << "Paralytic Squints"
                              << "";
        QTest::newRow("workup") << "Paralytic"
                                << "Paralytic Squints Workup"
                                << "Ocuvance";
        QTest::newRow("third") << "Third_man"
                               << "Management of Third Nerve Palsy"
                               << "";
        QTest::newRow("sixth") << "Sixth_man"
                               << "Sixth Nerve Palsy"
                               << "";
        QTest::newRow("superior oblique") << "SQman"
                                          << "Management Superior Oblique Palsy"
                                          << "";
        QTest::newRow("knapp") << "Knapp"
                               << "Management Superior Oblique Palsy"
                               << "";
        QTest::newRow("parks") << "Parks"
                               << "Parks three Step Test"
                               << "Ocuvance";
    }
    void bannersAndWindowCaptions() {
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QWidget* shown = ocu::Navigator::instance().open(screen);
        QCOMPARE(shown->objectName(), screen);
        QCOMPARE(shown->windowTitle(), caption);
        QCOMPARE(control<QLabel>(shown, "Banner")->text(), ocu::bannerText(title));
    }
};

QTEST_MAIN(CaptionsTest)
#include "captions_test.moc"
