// Every control of every registered screen has a name a screen reader can say.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include "shell/navigator.h"
#include "shell/picture.h"
#include "support/screentest.h"

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ocutest::registerScreens(); }
    void cleanup() { ocutest::closeAllScreens(); }

    void everyControlHasAnAccessibleName() {
        QStringList unnamed;
        QStringList names = ocu::Navigator::instance().registeredScreens();
        names.sort();
        for (const QString& name : names) {
            QWidget* screen = ocutest::openScreen(qPrintable(name));
            for (QWidget* w : screen->findChildren<QWidget*>()) {
                const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                     qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w) ||
                                     qobject_cast<ocu::Picture*>(w) ||
                                     (qobject_cast<QLabel*>(w) && !static_cast<QLabel*>(w)->text().isEmpty());
                if (!control || w->objectName().isEmpty()) continue;
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
                if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty()) {
                    unnamed << name + QLatin1Char('.') + w->objectName() + QLatin1String(" (") +
                                   QLatin1String(w->metaObject()->className()) + QLatin1Char(')');
                }
            }
            ocutest::closeAllScreens();
        }
        if (!unnamed.isEmpty())
            QFAIL(qPrintable(QLatin1String("No accessible name: ") + unnamed.join(QLatin1String(", "))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
