#include "workups/esoworkup.h"

#include <QLineEdit>
#include <QRadioButton>

#include "shell/results.h"
#include "ui_esoworkup.h"
#include "workups/handoff.h"
#include "workups/rules/eso_diagnosis.h"
#include "workups/rules/eso_handoff.h"

namespace ocu {
namespace {

using workup::ObliqueAnswer;

// clang-format off
constexpr DeviationBox kDeviationBoxes[] = {
    {"D", " Please enter 0 to 90 for distance deviations ", "distance deviations"},
    {"N", " Please enter 0 to 90 for near deviations ", "near deviations"},
    {"N3", " Please enter 0 to 90 for near deviations with + 3 sph", "near deviations with + 3 sph"},
    {"UP", " Please enter 0 to 90 for up deviations ", "up deviations"},
    {"DN", " Please enter 0 to 90 for down deviations ", "down deviations"},
};
// clang-format on

// clang-format off
constexpr ObliqueOption kObliqueOptions[] = {
    {"Option8", ObliqueAnswer::Normal, false},
    {"Option9", ObliqueAnswer::InferiorOveraction, true},
    {"Option10", ObliqueAnswer::SuperiorOveraction, true},
};
// clang-format on

constexpr const char* kResults[] = {"Label1", "Label2", "Label19", "Label22"};

constexpr HelpLink kHelp[] = {{"Command6", "Inst_Eso"}, {"Command1", "Form_AVP"}, {"Command9", "DVD"}};

const WorkupDesign kDesign{
    .frame = {.caption = QStringLiteral("Ocuvance"),
              .title = QStringLiteral("Eso Deviations"),
              .bannerName = QStringLiteral("Label25"),
              .leftStripName = QStringLiteral("Label27"),
              .rightStripName = QStringLiteral("Label23"),
              .creditName = QStringLiteral("Label26")},
    .deviationBoxes = kDeviationBoxes,
    .irisBase = eso::kIrisBase,
    .irisShift = IrisShift::TowardsNose,
    .fixatingEye = {"Option1", "Option2", "Option6", "Option7"},
    .pattern = "Text1",
    .obliqueOptions = kObliqueOptions,
    .grades = "Frame11",
    .gradeOptions = {"Option14", "Option15", "Option16", "Option17"},
    .surgicalOptions = {{{"Option12", "Label19"}, {"Option13", "Label22"}}},
    .results = kResults,
    .enter = "Command2",
    .reset = "Command5",
    .handOff = "Command4",
    .help = kHelp,
    .acaCalculator = "Command7",
    .acaDeviationType = "Option1",
    .print = "Command3",
    .home = "Command8",
};

}  // namespace

EsoWorkup::EsoWorkup(QWidget* parent) : WorkupScreen(kDesign, parent), ui(std::make_unique<Ui::EsoWorkup>()) {
    ui->setupUi(this);
    setUpBody();
    for (QLabel* label : {ui->Label1, ui->Label2}) setBackground(label, kWhite);
    QPalette darkRed = ui->Label19->palette();
    darkRed.setColor(QPalette::WindowText, QColor(128, 0, 0));
    ui->Label19->setPalette(darkRed);
    // The pattern read-out wears the system highlight colours.
    QPalette highlight = ui->Text1->palette();
    highlight.setColor(QPalette::Base, highlight.color(QPalette::Highlight));
    highlight.setColor(QPalette::Text, highlight.color(QPalette::HighlightedText));
    ui->Text1->setPalette(highlight);
    connect(ui->Text1, &QLineEdit::textChanged, this, &EsoWorkup::onPatternChanged);
}

EsoWorkup::~EsoWorkup() = default;

void EsoWorkup::handOff(const workup::HandoffInput& input) { applyHandoff(eso::handoffPlan(input), this); }

void EsoWorkup::onPatternChanged(const QString& pattern) {
    const auto shown = eso::obliquesShownFor(pattern.toStdString());
    if (!shown) return;
    ui->Option8->setVisible(shown->normal);
    ui->Option9->setVisible(shown->inferiorOveraction);
    ui->Option10->setVisible(shown->superiorOveraction);
}

void EsoWorkup::showDiagnosis(const std::vector<double>& deviations) {
    const eso::Deviations x{deviations[0], deviations[1], deviations[2], deviations[3], deviations[4]};

    // Step 1: the larger of the distance and near deviations.
    const double larger = showLargerDeviation(x.distance, x.nearGaze);

    // Step 2: type of esotropia and AC/A class.
    const eso::TypeAnswer type = eso::typeAndAca(x, ui->Option3->isChecked());
    writeResult(ui->Label1, type.acaLabel);
    writeResult(ui->Label2, type.typeLabel);

    // Step 3: surgical options for the type now shown, which may be one an
    // earlier press left.
    const eso::OptionsAnswer options = eso::surgicalOptions(ui->Label2->text().toStdString(), larger);
    writeResult(ui->Label19, options.option1);
    writeResult(ui->Label22, options.option2);

    // Step 4: the simulator.
    moveIrises();

    // Step 5: pattern, and the oblique-action answers it allows.
    const eso::PatternAnswer pattern = eso::patternAndObliques(x.upGaze, x.downGaze, ui->Text1->text().toStdString());
    if (pattern.pattern) {
        ui->Text1->setText(toQString(*pattern.pattern));
        ui->Label21->setText(toQString(eso::kPatternsCaption));
    }
    if (pattern.enabled) {
        ui->Option8->setEnabled(pattern.enabled->normal);
        ui->Option9->setEnabled(pattern.enabled->inferiorOveraction);
        ui->Option10->setEnabled(pattern.enabled->superiorOveraction);
    }
}

void EsoWorkup::resetRest() {
    ui->Text1->clear();
    ui->Label21->clear();
    placeIrisesAtRest();
}

}  // namespace ocu
