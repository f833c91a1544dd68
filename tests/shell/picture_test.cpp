// Pictures are drawn once per size and kept, yet always show the drawing and
// size they have now, and go to paper as vectors, not as the kept image.

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "print/windowpage.h"
#include "shell/picture.h"

namespace {

QColor centreOf(QWidget* window) {
    const QImage image = window->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

QColor cornerOf(QWidget* window) { return window->grab().toImage().pixelColor(2, 2); }

bool bluish(const QColor& c) { return c.blue() > 150 && c.red() < 100; }
bool yellowish(const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() < 150; }

}  // namespace

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheDrawingAndSizeItHasNow() {
        QWidget window;
        window.resize(300, 200);
        auto* picture = new ocu::Picture(&window);
        picture->setSource(QStringLiteral(":/pictures/blue_spot.svg"));
        picture->setGeometry(0, 0, 300, 200);
        QVERIFY(bluish(centreOf(&window)));
        QVERIFY(yellowish(cornerOf(&window)));

        // Smaller, it still fills its box: the corner is the drawing's yellow
        // edge, not what was kept at the larger size.
        picture->setGeometry(0, 0, 100, 40);
        const QImage small = window.grab().toImage();
        QVERIFY(yellowish(small.pixelColor(2, 2)));
        QVERIFY(bluish(small.pixelColor(50, 20)));
        QCOMPARE(small.pixelColor(200, 150), window.palette().color(QPalette::Window));

        // Another source at the same size shows the other drawing: the iris
        // has its black pupil (beside its cross-hair) where the spot was blue.
        QVERIFY(bluish(small.pixelColor(40, 16)));
        picture->setSource(QStringLiteral(":/pictures/iris.svg"));
        QCOMPARE(window.grab().toImage().pixelColor(40, 16), QColor(Qt::black));
    }

    void goesToPaperAsVectors() {
        QWidget window;
        window.resize(400, 300);
        auto* picture = new ocu::Picture(&window);
        picture->setSource(QStringLiteral(":/pictures/face.svg"));
        picture->setGeometry(20, 20, 360, 260);
        (void)window.grab();  // drawn on screen first, so a kept image exists

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("page.pdf"));
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            const auto placement = ocu::placeWindow(&window, printer.pageLayout(), printer.resolution());
            QVERIFY(placement.has_value());
            QPainter painter(&printer);
            ocu::paintWindow(painter, &window, *placement);
        }
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray content = pdf.readAll();
        QVERIFY(content.startsWith("%PDF"));
        // Image objects are named in their (uncompressed) dictionaries.
        QVERIFY2(!content.contains("/Subtype /Image"), "the picture was printed as an image");
    }
};

QTEST_MAIN(PictureTest)
#include "picture_test.moc"
