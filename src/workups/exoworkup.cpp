#include "workups/exoworkup.h"

#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "calculator/rules/controlnames.h"
#include "shell/controls.h"
#include "shell/eyecolumns.h"
#include "shell/navigator.h"
#include "shell/printrequest.h"
#include "shell/results.h"
#include "shell/screenframe.h"
#include "ui_exoworkup.h"
#include "workups/deviationbox.h"
#include "workups/handoff.h"
#include "workups/irisrows.h"
#include "workups/patientblock.h"
#include "workups/rules/deviations.h"
#include "workups/rules/deviation_check.h"

namespace ocu {
namespace {

constexpr IrisNames kIrises{{{"Image4", "Image5"}, {"Image6", "Image7"}, {"Image8", "Image9"}}};

const QColor kGreenText(0, 128, 0);
const QColor kBlueText(0, 0, 192);

struct DeviationBox {
    const char* name;
    const char* tooLarge;  // nullptr: no range check
    const char* what;
};
// In the order Enter reads them.
constexpr DeviationBox kDeviationBoxes[] = {
    {"D", " Please enter 0 to 90 for distance deviations", "distance deviations"},
    {"N", " Please enter 0 to 90 for near deviations", "near deviations"},
    {"UP", " Please enter 0 to 90 UP deviations", "up deviations"},
    {"DN", " Please enter 0 to 90 for down deviations ", "down deviations"},
    {"N60", nullptr, "near deviations after one eye patch"},
    {"N3", " Please enter 0 to 90 for near deviations with + 3 sph", "near deviations with + 3 sph"},
};
constexpr const DeviationBox& kN3Box = kDeviationBoxes[5];

DeviationBoxSpec specOf(const DeviationBox& box) {
    return {box.tooLarge ? std::optional<QString>(QString::fromLatin1(box.tooLarge)) : std::nullopt,
            QString::fromLatin1(box.what)};
}

}  // namespace

ExoWorkup::ExoWorkup(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ExoWorkup>()) {
    ui->setupUi(this);
    placeAsDesigned(this);
    headEyeColumns(this);
    // The design's side strips are one pair of labels under one name.
    frameScreen(this, {.caption = QStringLiteral("Exo Deviations"),
                       .title = QStringLiteral("Exo Deviations With Patterns"),
                       .leftStripName = QStringLiteral("Label23"),
                       .rightStripName = QStringLiteral("Label23"),
                       .creditName = QStringLiteral("Label20")});
    setBackground(this, kWhite);
    // Step 7 is laid over the right end of Step 6.
    ui->Frame6->raise();
    colourResults();
    // Kept as a field of the screen; it is not for entry.
    ui->D1->hide();

    // The irises stand where the simulator's rule puts them at rest; the form
    // gives only their size.
    placeIrisesAtBase(this, kIrises, exo::kIrisBase);
    setUpPatientBlock(this);
    connectDeviationBoxes();
    connectObliqueActions();
    ownTabStop(ui->Frame10);
    connect(ui->Command1, &QPushButton::clicked, this, &ExoWorkup::onEnterClicked);
    connect(ui->Command6, &QPushButton::clicked, this, &ExoWorkup::onResetClicked);
    connectHelp();
    leadsTo(ui->Command2, QLatin1String(calc::control::kScreen), [this] { onHandOffClicked(); });
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

void ExoWorkup::connectDeviationBoxes() {
    for (const DeviationBox& box : kDeviationBoxes) {
        watchDeviationBox(findChild<QLineEdit*>(QLatin1String(box.name)), specOf(box));
    }
}

void ExoWorkup::connectObliqueActions() {
    const auto showGrades = [this](QRadioButton* option, bool shown) {
        connect(option, &QRadioButton::clicked, this, [this, option, shown] {
            if (option->isChecked()) ui->Frame10->setVisible(shown);
        });
    };
    showGrades(ui->Option13, true);
    showGrades(ui->Option12, true);
    // A superior oblique over-action is graded too: the hand-off passes its
    // grade on, so the grades must be there to give.
    showGrades(ui->Option10, true);
    showGrades(ui->Option14, false);
}

void ExoWorkup::connectHelp() {
    leadsTo(ui->Command5, QStringLiteral("Inst_Exo"));
    leadsTo(ui->Command7, QStringLiteral("ACA"), [this] { fillAcaCalculator(); });
    // The grades of an over-action are worked out on the tutorial's own calculator.
    leadsTo(ui->Command3, QStringLiteral("Mov"));
    leadsTo(ui->Command4, QString::fromLatin1(kPrintScreen),
            [] { requestPrint(QStringLiteral("Exotropia")); });
    leadsHome(ui->Command8, this);
}

void ExoWorkup::fillAcaCalculator() {
    const std::optional<double> nearPlus3 = deviationOrComplain(ui->N3, specOf(kN3Box));
    if (!nearPlus3) return;
    if (*nearPlus3 > kMaxWorkupDeviation) showMessage(this, QStringLiteral("Please enter 0 to 90 only"));
    QWidget* aca = Navigator::instance().open(QStringLiteral("ACA"));
    if (aca == nullptr) return;
    auto* nearBox = aca->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* nearPlus3Box = aca->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* exo = aca->findChild<QRadioButton*>(QStringLiteral("Option2"));
    if (nearBox != nullptr) nearBox->setText(ui->N->text());
    if (nearPlus3Box != nullptr) nearPlus3Box->setText(ui->N3->text());
    if (exo != nullptr) select(exo);
}

std::optional<exo::Deviations> ExoWorkup::readDeviations() {
    std::array<double, std::size(kDeviationBoxes)> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        auto* box = findChild<QLineEdit*>(QLatin1String(kDeviationBoxes[i].name));
        const std::optional<double> value = deviationOrComplain(box, specOf(kDeviationBoxes[i]));
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    return exo::Deviations{values[0], values[1], values[2], values[3], values[4], values[5]};
}

void ExoWorkup::onEnterClicked() {
    if (const std::optional<exo::Deviations> deviations = readDeviations()) showDiagnosis(*deviations);
}

void ExoWorkup::showDiagnosis(const exo::Deviations& x) {
    // Step 1: the larger of the distance and near deviations, as its box shows it.
    const bool nearIsLarger = workup::largerDeviation(x.distance, x.nearGaze) == workup::LargerBox::Near;
    ui->D1->setText(nearIsLarger ? ui->N->text() : ui->D->text());
    const double larger = nearIsLarger ? x.nearGaze : x.distance;

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

    // Step 7: the simulator reads the boxes leniently.
    moveIrises(this, kIrises, exo::kIrisBase,
               {leadingNumberOf(ui->UP), leadingNumberOf(ui->D), leadingNumberOf(ui->DN)},
               IrisShift::AwayFromNose);
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

workup::HandoffInput ExoWorkup::handoffInput() const {
    using workup::FixatingEye;
    using workup::ObliqueAnswer;
    workup::HandoffInput input;
    if (ui->Option9->isChecked()) input.fixating = FixatingEye::OD;
    else if (ui->Option8->isChecked()) input.fixating = FixatingEye::OS;
    else if (ui->Option2->isChecked()) input.fixating = FixatingEye::AltOD;
    else if (ui->Option1->isChecked()) input.fixating = FixatingEye::AltOS;
    input.pattern = ui->Label1->text().toStdString();
    // A button counts as chosen when it is selected, shown or not.
    if (ui->Option13->isChecked()) input.oblique = ObliqueAnswer::Normal;
    else if (ui->Option12->isChecked()) input.oblique = ObliqueAnswer::InferiorOveraction;
    else if (ui->Option10->isChecked()) input.oblique = ObliqueAnswer::SuperiorOveraction;
    else if (ui->Option14->isChecked()) input.oblique = ObliqueAnswer::BothOveractions;
    const std::array<QRadioButton*, 4> grades{ui->Option17, ui->Option18, ui->Option19, ui->Option20};
    for (std::size_t i = 0; i < grades.size(); ++i) {
        if (grades[i]->isChecked()) input.grade = static_cast<int>(i) + 1;
    }
    if (ui->Option15->isChecked()) {
        input.chosen = workup::ChosenOption::One;
        input.chosenText = ui->Label10->text().toStdString();
    } else if (ui->Option16->isChecked()) {
        input.chosen = workup::ChosenOption::Two;
        input.chosenText = ui->Label12->text().toStdString();
    }
    input.largerDeviation = ui->D1->text().toStdString();
    input.patient = patientOf(this);
    return input;
}

void ExoWorkup::onHandOffClicked() {
    const exo::Handoff handoff = exo::handoffPlan(handoffInput());
    applyHandoff(handoff.plan, this);
    // Hidden now; shown again by the calculator's exo Back button.
    writeResult(ui->Label10, handoff.workupOption1);
}

void ExoWorkup::onResetClicked() {
    for (QLineEdit* box : {ui->D, ui->N, ui->N3, ui->UP, ui->DN, ui->N60}) box->setText(QStringLiteral("0"));
    for (QLabel* label : {ui->Label9, ui->Label10, ui->Label12, ui->Label24}) label->clear();
    for (QRadioButton* option : {ui->Option13, ui->Option10, ui->Option12, ui->Option14}) option->show();
}

}  // namespace ocu
