// The amount calculator driven as a user would: plan, check, re-plan.

#include <QComboBox>
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

class SquintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void shot() {
        QWidget* squint = openScreen("Squint");
        squint->grab().save("/tmp/calcgen/squint.png");
    }
};

QTEST_MAIN(SquintTest)
#include "squint_test.moc"
