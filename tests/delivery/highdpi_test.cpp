// At a scale factor of 2 every picture on every screen is drawn at the
// screen's own resolution, not enlarged from an image of half the size.

#include <QApplication>
#include <QtTest>

#include "shell/navigator.h"
#include "shell/picture.h"
#include "support/screentest.h"

namespace {

// An image enlarged twofold without smoothing is made of uniform 2x2 blocks;
// one drawn at its own resolution has edges and shading inside the blocks.
bool madeOfDoubledPixels(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ocutest::registerScreens();
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }
    void cleanup() { ocutest::closeAllScreens(); }

    void picturesAreDrawnAtTheScreensResolution_data() {
        QTest::addColumn<QString>("screen");
        for (const QString& name : ocu::Navigator::instance().registeredScreens()) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    void picturesAreDrawnAtTheScreensResolution() {
        QFETCH(QString, screen);
        QWidget* window = ocutest::openScreen(qPrintable(screen));
        for (ocu::Picture* picture : window->findChildren<ocu::Picture*>()) {
            if (!picture->isVisibleTo(window) || picture->source().isEmpty()) continue;
            const QImage image = picture->grab().toImage();
            const QString where = screen + QLatin1Char('.') + picture->objectName();
            QCOMPARE(image.size(), picture->size() * 2);
            QVERIFY2(!madeOfDoubledPixels(image), qPrintable(where + QLatin1String(" is enlarged, not drawn sharp")));
        }
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "highdpi_test.moc"
