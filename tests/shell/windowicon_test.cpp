// The window icon shows the logo exactly as the SVG icon engine draws it, at
// the sizes the build drew and at any other, in every mode.

#include <QIcon>
#include <QImage>
#include <QTest>

#include "shell/windowicon.h"

namespace {

// As a window system takes an icon: straight (not premultiplied) ARGB.
QImage argb(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

}  // namespace

class WindowIconTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheLogoAsTheSvgEngineDrawsIt_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("mode");
        for (int side : {16, 32, 64, 128, 256}) {
            QTest::addRow("%d drawn by the build", side) << side << int(QIcon::Normal);
        }
        QTest::addRow("48 from the SVG") << 48 << int(QIcon::Normal);
        QTest::addRow("32 disabled") << 32 << int(QIcon::Disabled);
    }

    void showsTheLogoAsTheSvgEngineDrawsIt() {
        QFETCH(int, side);
        QFETCH(int, mode);
        const QIcon svg(QStringLiteral(":/pictures/logo.svg"));
        const QIcon icon = ocu::windowIcon();
        QVERIFY(!icon.isNull());
        const QSize size(side, side);
        QCOMPARE(argb(icon.pixmap(size, 1.0, QIcon::Mode(mode))), argb(svg.pixmap(size, 1.0, QIcon::Mode(mode))));
        QCOMPARE(icon.actualSize(QSize(side, side + 10)), svg.actualSize(QSize(side, side + 10)));
    }

    // A window system asks a scalable icon for the sizes it wants, as it
    // asked of the SVG.
    void offersNoFixedSizes() { QVERIFY(ocu::windowIcon().availableSizes().isEmpty()); }
};

QTEST_MAIN(WindowIconTest)
#include "windowicon_test.moc"
