// The screens placed in millimetres stand exactly as their forms design them.
// Each screen is compared, control by control, with its own form built
// bare by the compiled setupUi: where the form gives millimetres (leftMm,
// topMm, widthMm, heightMm) the control stands at exactly those, and the
// form's pixel geometry, which Designer shows and moves, agrees with them;
// every other side stands at the form's pixels. So a control moved in its
// form moves on screen, and no screen code can put it anywhere else. Only
// the irises, whose place a rule gives, may stand elsewhere, and only in
// what their form leaves out.

#include <QLayout>
#include <QRect>
#include <QRectF>
#include <QStringList>
#include <QTest>
#include <QVariant>
#include <QWidget>
#include <array>

#include "calculator/ui_squint.h"
#include "shell/controls.h"
#include "support/screentest.h"
#include "tools/ui_avpatterns.h"
#include "tutorials/ui_movements.h"
#include "workups/ui_esoworkup.h"
#include "workups/ui_exoworkup.h"

using namespace ocutest;

namespace {

template <class Form>
void buildForm(QWidget* bare) {
    Form form;
    form.setupUi(bare);
}

struct DesignedScreen {
    const char* name;
    void (*buildForm)(QWidget*);
    QStringList placedByRules;
};

const QStringList kSixIrises = {"Image4", "Image5", "Image6", "Image7", "Image8", "Image9"};
const QStringList kTwoIrises = {"Image2", "Image3"};

// clang-format off
const std::array<DesignedScreen, 5> kScreens = {{
    {"Esotropia", buildForm<Ui::EsoWorkup>, kSixIrises},
    {"Exotropia", buildForm<Ui::ExoWorkup>, kSixIrises},
    {"Squint", buildForm<Ui::Squint>, kTwoIrises},
    {"Form_AVP", buildForm<Ui::AvPatterns>, kSixIrises},
    {"Mov", buildForm<Ui::Movements>, kTwoIrises},
}};
// clang-format on

struct Side {
    const char* property;
    int (QRect::*pixels)() const;
    qreal (QRectF::*millimetres)() const;
    bool isPlace;  // left or top, which a rule may give instead of the form
};
constexpr Side kLeft{"leftMm", &QRect::x, &QRectF::left, true};
constexpr Side kTop{"topMm", &QRect::y, &QRectF::top, true};
constexpr Side kWidth{"widthMm", &QRect::width, &QRectF::width, false};
constexpr Side kHeight{"heightMm", &QRect::height, &QRectF::height, false};

// The same control on the running screen: the same names from the screen down.
QWidget* counterpart(QWidget* screen, const QWidget* form, const QWidget* designed) {
    QStringList path;
    for (const QWidget* w = designed; w != form; w = w->parentWidget()) path.prepend(w->objectName());
    QWidget* found = screen;
    for (const QString& name : path) {
        found = found->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (found == nullptr) return nullptr;
    }
    return found;
}

bool inLayout(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) return true;
        if (item->layout() != nullptr && inLayout(item->layout(), widget)) return true;
    }
    return false;
}

// A control a layout places has no place of its own in the form.
bool laidOut(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return parent != nullptr && parent->layout() != nullptr && inLayout(parent->layout(), widget);
}

// What differs between the side as designed and as shown, if anything.
void compareSide(const Side& side, const QString& who, const QWidget* designed, const QRect& formPixels,
                 const QRect& shownPixels, const QRectF& shownMm, bool sideIsFree, QStringList& problems) {
    const QVariant declared = designed->property(side.property);
    const int formPx = (formPixels.*side.pixels)();
    const int shownPx = (shownPixels.*side.pixels)();
    if (!declared.isValid()) {
        if (!sideIsFree && shownPx != formPx) {
            problems << QStringLiteral("%1: shown at %2 px, the form has %3 px").arg(who).arg(shownPx).arg(formPx);
        }
        return;
    }
    const double mm = declared.toDouble();
    if (formPx != ocu::mmToPx(mm)) {
        problems << QStringLiteral("%1: the form's geometry has %2 px, its %3 %4 mm is %5 px")
                        .arg(who)
                        .arg(formPx)
                        .arg(QLatin1String(side.property))
                        .arg(mm)
                        .arg(ocu::mmToPx(mm));
    }
    if (shownPx != ocu::mmToPx(mm) || !qFuzzyCompare((shownMm.*side.millimetres)(), mm)) {
        problems << QStringLiteral("%1: shown at %2 mm (%3 px), the form says %4 mm")
                        .arg(who)
                        .arg((shownMm.*side.millimetres)())
                        .arg(shownPx)
                        .arg(mm);
    }
}

}  // namespace

class DesignedPlacesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void everyControlStandsWhereItsFormPlacesIt_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(kScreens.size()); ++i) QTest::newRow(kScreens[i].name) << i;
    }
    void everyControlStandsWhereItsFormPlacesIt() {
        QFETCH(int, index);
        const DesignedScreen& design = kScreens[static_cast<std::size_t>(index)];
        QWidget form;
        design.buildForm(&form);
        QWidget* screen = openScreen(design.name);
        QStringList problems;

        // The client area: only its size is the form's.
        if (!form.property(kWidth.property).isValid() || !form.property(kHeight.property).isValid()) {
            problems << QStringLiteral("client area: the form gives no size in millimetres");
        }
        const QRect formArea(QPoint(), form.size());
        const QRect shownArea(QPoint(), screen->size());
        for (const Side& side : {kWidth, kHeight}) {
            compareSide(side, QStringLiteral("client area"), &form, formArea, shownArea, ocu::geometryMm(screen), false,
                        problems);
        }

        int placedInMm = 0;
        for (const QWidget* designed : form.findChildren<QWidget*>()) {
            const QString name = designed->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || laidOut(designed)) continue;
            QWidget* shown = counterpart(screen, &form, designed);
            if (shown == nullptr) {
                problems << QStringLiteral("%1: designed but not on the screen").arg(name);
                continue;
            }
            const bool placedByRule = design.placedByRules.contains(name);
            bool declaresAny = false;
            for (const Side& side : {kLeft, kTop, kWidth, kHeight}) {
                declaresAny = declaresAny || designed->property(side.property).isValid();
                compareSide(side, name, designed, designed->geometry(), shown->geometry(), ocu::geometryMm(shown),
                            placedByRule && side.isPlace, problems);
            }
            if (declaresAny) ++placedInMm;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY2(placedInMm > 0, "the form places controls in millimetres");
    }
};

QTEST_MAIN(DesignedPlacesTest)
#include "designedplaces_test.moc"
