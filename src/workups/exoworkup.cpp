#include "workups/exoworkup.h"

#include <QLineEdit>
#include <QRadioButton>

#include "shell/controls.h"
#include "shell/results.h"
#include "ui_exoworkup.h"
#include "workups/handoff.h"
#include "workups/rules/deviation_check.h"
#include "workups/rules/exo_diagnosis.h"
#include "workups/rules/exo_handoff.h"

namespace ocu {
namespace {

using workup::ObliqueAnswer;

const QColor kGreenText(0, 128, 0);
const QColor kBlueText(0, 0, 192);

// In the order Enter reads them.
// clang-format off
constexpr DeviationBox kDeviationBoxes[] = {
    {"D", " Please enter 0 to 90 for distance deviations", "distance deviations"},
    {"N", " Please enter 0 to 90 for near deviations", "near deviations"},
    {"UP", " Please enter 0 to 90 UP deviations", "up deviations"},
    {"DN", " Please enter 0 to 90 for down deviations ", "down deviations"},
    {"N60", nullptr, "near deviations after one eye patch"},
    {"N3", " Please enter 0 to 90 for near deviations with + 3 sph", "near deviations with + 3 sph"},
};
// clang-format on
constexpr const DeviationBox& kN3Box = kDeviationBoxes[5];

// clang-format off
constexpr ObliqueOption kObliqueOptions[] = {
    {"Option13", ObliqueAnswer::Normal, true},
    {"Option12", ObliqueAnswer::InferiorOveraction, true},
    // A superior oblique over-action is graded too: the hand-off passes its
    // grade on, so the grades must be there to give.
    {"Option10", ObliqueAnswer::SuperiorOveraction, true},
    {"Option14", ObliqueAnswer::BothOveractions, false},
};
// clang-format on

constexpr const char* kResults[] = {"Label9", "Label10", "Label12", "Label24"};

// The grades of an over-action are worked out on the tutorial's own calculator.
constexpr HelpLink kHelp[] = {{"Command5", "Inst_Exo"}, {"Command3", "Mov"}};

// The design's side strips are one pair of labels under one name.
const WorkupDesign kDesign{
    .frame = {.caption = QStringLiteral("Exo Deviations"),
              .title = QStringLiteral("Exo Deviations With Patterns"),
              .leftStripName = QStringLiteral("Label23"),
              .rightStripName = QStringLiteral("Label23"),
              .creditName = QStringLiteral("Label20")},
    .deviationBoxes = kDeviationBoxes,
    .irisBase = exo::kIrisBase,
    .irisShift = IrisShift::AwayFromNose,
    .fixatingEye = {"Option9", "Option8", "Option2", "Option1"},
    .pattern = "Label1",
    .obliqueOptions = kObliqueOptions,
    .grades = "Frame10",
    .gradeOptions = {"Option17", "Option18", "Option19", "Option20"},
    .surgicalOptions = {{{"Option15", "Label10"}, {"Option16", "Label12"}}},
    .results = kResults,
    .enter = "Command1",
    .reset = "Command6",
    .handOff = "Command2",
    .help = kHelp,
    .acaCalculator = "Command7",
    .acaDeviationType = "Option2",
    .print = "Command4",
    .home = "Command8",
};

}  // namespace

ExoWorkup::ExoWorkup(QWidget* parent) : WorkupScreen(kDesign, parent), ui(std::make_unique<Ui::ExoWorkup>()) {
    ui->setupUi(this);
    setUpBody();
    // Step 7 is laid over the right end of Step 6.
    ui->Frame6->raise();
    colourResults();
    ownTabStop(ui->Frame10);
}

ExoWorkup::~ExoWorkup() = default;

void ExoWorkup::colourResults() {
    for (QLabel* label : {ui->Label9, ui->Label24, ui->Label10, ui->Label12}) setBackground(label, kWhite);
    const auto textColour = [](QLabel* label, QColor colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    };
    textColour(ui->Label9, kGreenText);
    textColour(ui->Label24, kBlueText);
}

bool ExoWorkup::readyForAcaCalculator() {
    const std::optional<double> nearPlus3 = deviationOrComplain(ui->N3, messagesOf(kN3Box));
    if (!nearPlus3) return false;
    if (*nearPlus3 > kMaxWorkupDeviation) showMessage(this, QStringLiteral("Please enter 0 to 90 only"));
    return true;
}

void ExoWorkup::showDiagnosis(const std::vector<double>& deviations) {
    const exo::Deviations x{deviations[0], deviations[1], deviations[2], deviations[3], deviations[4], deviations[5]};

    // Step 1: the larger of the distance and near deviations.
    const double larger = showLargerDeviation(x.distance, x.nearGaze);

    // Step 2: type of exo deviation.
    const exo::TypeAnswer type = exo::exoType(x, ui->Option3->isChecked());
    writeResult(ui->Label9, type.type);
    if (type.emptiesAcaClass) ui->Label24->clear();

    // Steps 3 and 4: the pattern, and what the pattern now shown allows,
    // which may be one an earlier press left.
    if (const auto pattern = exo::pattern(x.distance, x.upGaze, x.downGaze)) ui->Label1->setText(toQString(*pattern));
    showPatternConsequences();

    // Step 5: AC/A class from the measurements after patching.
    writeResult(ui->Label24, exo::acaClass(exo::acaRatio(x.nearAfterPatch, x.nearPlus3)));

    // Step 6: surgical options for the type and class now shown.
    const exo::OptionsAnswer options =
        exo::surgicalOptions(ui->Label9->text().toStdString(), ui->Label24->text().toStdString(), larger);
    writeResult(ui->Label10, options.option1);
    writeResult(ui->Label12, options.option2);

    // Step 7: the simulator.
    moveIrises();
}

void ExoWorkup::showPatternConsequences() {
    const auto consequences = exo::consequencesOf(ui->Label1->text().toStdString());
    if (!consequences) return;
    ui->Option13->setVisible(consequences->shown.normal);
    ui->Option12->setVisible(consequences->shown.inferiorOveraction);
    ui->Option10->setVisible(consequences->shown.superiorOveraction);
    ui->Option14->setVisible(consequences->shown.bothOveractions);
    if (consequences->step7Shown) ui->Frame6->setVisible(*consequences->step7Shown);
    if (consequences->option1) ui->Label10->setText(toQString(*consequences->option1));
    if (consequences->hidesHandOff) ui->Command2->hide();
}

void ExoWorkup::handOff(const workup::HandoffInput& input) {
    const exo::Handoff handoff = exo::handoffPlan(input);
    applyHandoff(handoff.plan, this);
    // Hidden now; shown again by the calculator's exo Back button.
    writeResult(ui->Label10, handoff.workupOption1);
}

void ExoWorkup::resetRest() {
    for (QRadioButton* option : {ui->Option13, ui->Option10, ui->Option12, ui->Option14}) option->show();
}

}  // namespace ocu
