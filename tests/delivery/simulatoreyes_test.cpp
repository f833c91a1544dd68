// The simulators' irises at rest stand where the face drawings put the eyes:
// on the cross-hairs in the primary position, above them in up gaze and below
// them in down gaze, and always within the opening of the lids. A surgeon
// reads a deviation off the distance between iris and cross-hairs, so an eye
// drawn a few millimetres away from its iris shows a squint that is not there.
// Everything is measured on the window as drawn, the way the surgeon sees it.

#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "shell/controls.h"
#include "shell/picture.h"
#include "support/screentest.h"

namespace {

constexpr double kToleranceMm = 0.3;
// How far beside the iris the cross-hairs are looked for.
constexpr double kSearchMm = 4;
// A line is a few fully blue pixels at least, not a stray antialiased one.
constexpr long kLeastLineWeight = 400;

enum class Expected { Centred, Above, Below };

double mm(double px) { return px * 25.4 / 96.0; }

// How much of the cross-hairs' blue a pixel holds; skin, lids, brows and
// the white of the eye hold none.
int blueness(QRgb pixel) { return std::max(0, qBlue(pixel) - qRed(pixel) - 20); }

// The white of the eye, also where a cross-hair's antialiased edge tints it;
// skin, lids and brows are darker in one channel at least.
bool sclera(QRgb pixel) { return qRed(pixel) >= 200 && qGreen(pixel) >= 200 && qBlue(pixel) >= 200; }

// The window as drawn and the face picture under one iris.
class Drawn {
public:
    Drawn(QWidget* window, QWidget* face) : window_(window), face_(face), image_(window->grab().toImage()) {}

    const QImage& image() const { return image_; }
    QRect faceRect() const { return {face_->mapTo(window_, QPoint()), face_->size()}; }
    // Where the face shows, not another row's face, a label or an iris over it.
    bool showsFace(int x, int y) const { return window_->childAt(x, y) == face_; }
    QRgb at(int x, int y) const { return image_.pixel(x, y); }

private:
    QWidget* window_;
    QWidget* face_;
    QImage image_;
};

// The centre, in window pixels, of the bluest line in a profile taken from
// `first` on; nullopt when no line is there.
std::optional<double> lineCentre(const std::vector<long>& profile, int first) {
    const auto peak = std::max_element(profile.begin(), profile.end());
    if (peak == profile.end() || *peak < kLeastLineWeight) return std::nullopt;
    const int at = static_cast<int>(peak - profile.begin());
    double sum = 0;
    double weighted = 0;
    for (int i = std::max(0, at - 2); i <= std::min<int>(static_cast<int>(profile.size()) - 1, at + 2); ++i) {
        sum += static_cast<double>(profile[i]);
        weighted += static_cast<double>(profile[i]) * (i + 0.5);
    }
    return first + weighted / sum;
}

// The horizontal cross-hair: the bluest row of the face beside the iris.
std::optional<double> horizontalLine(const Drawn& drawn, const QRect& iris, int search) {
    const QRect face = drawn.faceRect();
    std::vector<long> rows(static_cast<std::size_t>(face.height()), 0);
    for (int y = face.top(); y <= face.bottom(); ++y) {
        for (int x = iris.left() - search; x <= iris.right() + search; ++x) {
            if (x >= iris.left() && x <= iris.right()) continue;
            if (!face.contains(x, y) || !drawn.showsFace(x, y)) continue;
            rows[static_cast<std::size_t>(y - face.top())] += blueness(drawn.at(x, y));
        }
    }
    return lineCentre(rows, face.top());
}

// The vertical cross-hair: the bluest column about the iris, leaving out the
// rows the horizontal one crosses.
std::optional<double> verticalLine(const Drawn& drawn, const QRect& iris, int search, double horizontal) {
    const QRect face = drawn.faceRect();
    const int first = iris.left() - search;
    std::vector<long> columns(static_cast<std::size_t>(iris.width() + 2 * search), 0);
    for (int x = first; x <= iris.right() + search; ++x) {
        for (int y = face.top(); y <= face.bottom(); ++y) {
            if (std::abs(y + 0.5 - horizontal) <= 3) continue;
            if (!face.contains(x, y) || !drawn.showsFace(x, y)) continue;
            columns[static_cast<std::size_t>(x - first)] += blueness(drawn.at(x, y));
        }
    }
    return lineCentre(columns, first);
}

// How far the white of the eye reaches up and down in one column, from a row
// inside the opening: the first rows (above, below) that are no longer the
// eye's white or its cross-hairs.
std::pair<int, int> opening(const Drawn& drawn, int x, int from) {
    const auto inside = [&](int y) {
        return drawn.faceRect().contains(x, y) && drawn.showsFace(x, y) &&
               (sclera(drawn.at(x, y)) || blueness(drawn.at(x, y)) > 0);
    };
    int above = from;
    while (inside(above)) --above;
    int below = from;
    while (inside(below)) ++below;
    return {above, below};
}

}  // namespace

Q_DECLARE_METATYPE(Expected)

class SimulatorEyesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ocutest::registerScreens(); }
    void cleanup() { ocutest::closeAllScreens(); }

    void irisesAtRestSitInTheirEyes_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("pressed");  // the button pressed after opening; empty for none
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("iris");
        QTest::addColumn<Expected>("expected");

        struct Row {
            const char* face;
            const char* rightIris;
            const char* leftIris;
            Expected expected;
        };
        struct Screen {
            const char* name;
            const char* pressed;  // and its caption, for the row's name
            const char* caption;
            QList<Row> rows;
        };
        // Each gaze row of the work-ups and the pattern calculator has a
        // face of its own. The pattern calculator opens with its up and down
        // rows at the primary position; Reset sends them to their gaze.
        const QList<Row> gazeRows = {{"Image1", "Image4", "Image5", Expected::Above},
                                     {"Image2", "Image6", "Image7", Expected::Centred},
                                     {"Image3", "Image8", "Image9", Expected::Below}};
        // clang-format off
        const QList<Screen> screens = {
            {"Esotropia", "", "", gazeRows},
            {"Exotropia", "", "", gazeRows},
            {"Form_AVP", "", "",
             {{"Image2", "Image4", "Image5", Expected::Centred},
              {"Image1", "Image6", "Image7", Expected::Centred},
              {"Image3", "Image8", "Image9", Expected::Centred}}},
            {"Form_AVP", "Command3", " after Reset",
             {{"Image2", "Image4", "Image5", Expected::Above},
              {"Image1", "Image6", "Image7", Expected::Centred},
              {"Image3", "Image8", "Image9", Expected::Below}}},
            {"Squint", "", "", {{"Image1", "Image2", "Image3", Expected::Centred}}},
            {"Mov", "", "", {{"Image1", "Image2", "Image3", Expected::Centred}}},
        };
        // clang-format on
        for (const Screen& screen : screens) {
            for (const Row& row : screen.rows) {
                for (const char* iris : {row.rightIris, row.leftIris}) {
                    const QString name = QStringLiteral("%1%2 %3").arg(
                        QLatin1String(screen.name), QLatin1String(screen.caption), QLatin1String(iris));
                    QTest::newRow(qPrintable(name))
                        << screen.name << screen.pressed << row.face << iris << row.expected;
                }
            }
        }
    }

    void irisesAtRestSitInTheirEyes() {
        QFETCH(QString, screen);
        QFETCH(QString, pressed);
        QFETCH(QString, face);
        QFETCH(QString, iris);
        QFETCH(Expected, expected);

        QWidget* window = ocutest::openScreen(qPrintable(screen));
        if (!pressed.isEmpty()) ocutest::click(ocutest::control<QPushButton>(window, qPrintable(pressed)));
        auto* facePicture = ocutest::control<ocu::Picture>(window, qPrintable(face));
        auto* irisPicture = ocutest::control<ocu::Picture>(window, qPrintable(iris));
        const Drawn drawn(window, facePicture);
        QCOMPARE(drawn.image().size(), window->size());

        const QRect irisRect(irisPicture->mapTo(window, QPoint()), irisPicture->size());
        const QPointF irisCentre(irisRect.x() + irisRect.width() / 2.0, irisRect.y() + irisRect.height() / 2.0);
        const int search = ocu::mmToPx(kSearchMm);

        const std::optional<double> crossY = horizontalLine(drawn, irisRect, search);
        QVERIFY2(crossY.has_value(), "no horizontal cross-hair beside the iris");
        const std::optional<double> crossX = verticalLine(drawn, irisRect, search, *crossY);
        QVERIFY2(crossX.has_value(), "no vertical cross-hair about the iris");
        // Positive: the iris stands right of, or below, the cross-hairs.
        const double right = mm(irisCentre.x() - *crossX);
        const double down = mm(irisCentre.y() - *crossY);

        // The opening beside the iris, where no iris hides it: the lids are
        // curves that bulge away from the middle of the eye, so an iris
        // within the opening at both its sides is within it all along.
        const int middle = static_cast<int>(irisCentre.y());
        const auto [leftAbove, leftBelow] = opening(drawn, irisRect.left() - 1, middle);
        const auto [rightAbove, rightBelow] = opening(drawn, irisRect.right() + 1, middle);
        const double spaceAbove = mm(irisRect.top() - (std::max(leftAbove, rightAbove) + 1));
        const double spaceBelow = mm(std::min(leftBelow, rightBelow) - (irisRect.bottom() + 1));

        const QString measured = QStringLiteral(
                                     "iris centre %1 mm right, %2 mm below the cross-hairs; "
                                     "white of the eye %3 mm above it, %4 mm below it")
                                     .arg(right, 0, 'f', 2)
                                     .arg(down, 0, 'f', 2)
                                     .arg(spaceAbove, 0, 'f', 2)
                                     .arg(spaceBelow, 0, 'f', 2);
        QVERIFY2(std::abs(right) <= kToleranceMm, qPrintable(measured));
        switch (expected) {
        case Expected::Centred: QVERIFY2(std::abs(down) <= kToleranceMm, qPrintable(measured)); break;
        case Expected::Above: QVERIFY2(down < -kToleranceMm, qPrintable(measured)); break;
        case Expected::Below: QVERIFY2(down > kToleranceMm, qPrintable(measured)); break;
        }
        QVERIFY2(spaceAbove >= 0 && spaceBelow >= 0, qPrintable(QStringLiteral("the iris crosses a lid: ") + measured));
    }
};

QTEST_MAIN(SimulatorEyesTest)
#include "simulatoreyes_test.moc"
