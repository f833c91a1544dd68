// The captions that head the eye columns ("OD" ... "OS") must put each
// eye's word over that eye's boxes as drawn: a word over the wrong column
// invites the left eye's vision into the right eye's box. The words are
// found in the pixels of the caption, the way a reader finds them.

#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "shell/eyecolumns.h"
#include "support/screentest.h"

using namespace ocutest;

namespace {

// Horizontal extent of a control in window coordinates.
QPair<int, int> span(QWidget* control) {
    const int left = control->mapTo(control->window(), QPoint(0, 0)).x();
    return {left, left + control->width() - 1};
}

// Centres (window x) of the caption's letter groups from left to right. A
// column belongs to a letter when its ink runs at least half the height of
// a capital, so the dashes of "------OD--" separate words instead of joining them.
QList<double> wordCentres(QWidget* heading) {
    const QImage image = heading->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int band =
        qobject_cast<QGroupBox*>(heading) != nullptr ? QFontMetrics(heading->font()).height() + 4 : image.height();
    const int capital = QFontMetrics(heading->font()).capHeight();
    const double ratio = image.devicePixelRatio();
    QList<bool> letter;
    for (int x = 0; x < image.width(); ++x) {
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < qMin(image.height(), int(band * ratio)); ++y) {
            if (qGray(image.pixel(x, y)) < 110) {
                if (top < 0) top = y;
                bottom = y;
            }
        }
        letter << (top >= 0 && (bottom - top + 1) >= capital * ratio / 2);
    }
    QList<double> centres;
    const int windowLeft = heading->mapTo(heading->window(), QPoint(0, 0)).x();
    for (int x = 0; x < letter.size();) {
        if (!letter[x]) {
            ++x;
            continue;
        }
        int end = x;
        // Letters of one word are at most a couple of pixels apart.
        while (end + 1 < letter.size() && (letter[end + 1] || (end + 2 < letter.size() && letter[end + 2]) ||
                                           (end + 3 < letter.size() && letter[end + 3]))) {
            ++end;
        }
        centres << windowLeft + (x + end) / 2.0 / ratio;
        x = end + 1;
    }
    return centres;
}

}  // namespace

class EyeColumnsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void eachEyeWordStandsOverItsColumn_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("od");
        QTest::addColumn<QStringList>("os");
        QTest::newRow("eso vision") << "Esotropia"
                                    << "Frame6" << QStringList{"Combo1", "Text12"} << QStringList{"Combo2", "Text13"};
        QTest::newRow("exo vision") << "Exotropia"
                                    << "Frame9" << QStringList{"Combo1", "Text12"} << QStringList{"Combo2", "Text13"};
        QTest::newRow("exo near point") << "Exotropia"
                                        << "Label22" << QStringList{"Text8"} << QStringList{"Text9"};
        QTest::newRow("calculator doses")
            << "Squint"
            << "Frame6" << QStringList{"cmbLRrec_R", "cmbMRres_R", "cmbLRres_R", "cmbMRrec_R"}
            << QStringList{"cmbLRrec_L", "cmbMRres_L", "cmbLRres_L", "cmbMRrec_L"};
    }
    void eachEyeWordStandsOverItsColumn() {
        QFETCH(QString, screen);
        QFETCH(QString, heading);
        QFETCH(QStringList, od);
        QFETCH(QStringList, os);
        QWidget* window = openScreen(qPrintable(screen));
        auto* caption = control<QWidget>(window, qPrintable(heading));
        const QList<double> words = wordCentres(caption);
        QVERIFY2(words.size() >= 2, qPrintable(QStringLiteral("%1 words found").arg(words.size())));
        const QList<QPair<double, QStringList>> eyes = {{words.first(), od}, {words.last(), os}};
        for (const auto& [centre, own] : eyes) {
            for (const QString& name : own) {
                const auto [left, right] = span(control<QWidget>(window, qPrintable(name)));
                QVERIFY2(centre >= left && centre <= right,
                         qPrintable(QStringLiteral("word at %1 is not over %2 (%3..%4)")
                                        .arg(centre)
                                        .arg(name)
                                        .arg(left)
                                        .arg(right)));
            }
        }
    }

    // The pieces of a caption keep its whole text, in order.
    void theCaptionKeepsItsText_data() {
        QTest::addColumn<QString>("caption");
        QTest::newRow("blanks") << "               OD                       OS        ";
        QTest::newRow("dashes") << "------OD-- Amount Calculator---OS          ";
        QTest::newRow("no eye words") << "Step 4  Vision And Refraction";
    }
    void theCaptionKeepsItsText() {
        QFETCH(QString, caption);
        const QFontMetricsF metrics{QFont()};
        QString joined;
        const QList<ocu::CaptionRun> runs = ocu::eyeColumnRuns(caption, metrics, 50, 250);
        for (const ocu::CaptionRun& run : runs) joined += run.text;
        QCOMPARE(joined, caption);
        for (qsizetype i = 1; i < runs.size(); ++i) QVERIFY(runs[i].x >= runs[i - 1].x);
    }
};

QTEST_MAIN(EyeColumnsTest)
#include "eyecolumns_test.moc"
