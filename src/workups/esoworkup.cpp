#include "workups/esoworkup.h"

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
#include "ui_esoworkup.h"
#include "workups/deviationbox.h"
#include "workups/handoff.h"
#include "workups/irisrows.h"
#include "workups/patientblock.h"
#include "workups/rules/deviations.h"

namespace ocu {
namespace {

constexpr IrisNames kIrises{{{"Image4", "Image5"}, {"Image6", "Image7"}, {"Image8", "Image9"}}};

struct DeviationBox {
    const char* name;
    const char* tooLarge;
    const char* what;
};
constexpr DeviationBox kDeviationBoxes[] = {
    {"D", " Please enter 0 to 90 for distance deviations ", "distance deviations"},
    {"N", " Please enter 0 to 90 for near deviations ", "near deviations"},
    {"N3", " Please enter 0 to 90 for near deviations with + 3 sph", "near deviations with + 3 sph"},
    {"UP", " Please enter 0 to 90 for up deviations ", "up deviations"},
    {"DN", " Please enter 0 to 90 for down deviations ", "down deviations"},
};

DeviationBoxSpec specOf(const DeviationBox& box) {
    return {QString::fromLatin1(box.tooLarge), QString::fromLatin1(box.what)};
}

}  // namespace

EsoWorkup::EsoWorkup(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::EsoWorkup>()) {
    ui->setupUi(this);
    placeAsDesigned(this);
    headEyeColumns(this);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"),
                       .title = QStringLiteral("Eso Deviations"),
                       .bannerName = QStringLiteral("Label25"),
                       .leftStripName = QStringLiteral("Label27"),
                       .rightStripName = QStringLiteral("Label23"),
                       .creditName = QStringLiteral("Label26")});
    setBackground(this, kWhite);
    for (QLabel* label : {ui->Label1, ui->Label2}) setBackground(label, kWhite);
    QPalette darkRed = ui->Label19->palette();
    darkRed.setColor(QPalette::WindowText, QColor(128, 0, 0));
    ui->Label19->setPalette(darkRed);
    // The pattern read-out wears the system highlight colours.
    QPalette highlight = ui->Text1->palette();
    highlight.setColor(QPalette::Base, highlight.color(QPalette::Highlight));
    highlight.setColor(QPalette::Text, highlight.color(QPalette::HighlightedText));
    ui->Text1->setPalette(highlight);
    // Kept as a field of the screen; it is not for entry.
    ui->D1->hide();

    // The irises stand where the simulator's rule puts them at rest; the form
    // gives only their size.
    placeIrisesAtBase(this, kIrises, eso::kIrisBase);
    setUpPatientBlock(this);
    connectDeviationBoxes();
    connectObliqueActions();
    connect(ui->Text1, &QLineEdit::textChanged, this, &EsoWorkup::onPatternChanged);
    connect(ui->Command2, &QPushButton::clicked, this, &EsoWorkup::onEnterClicked);
    connect(ui->Command5, &QPushButton::clicked, this, &EsoWorkup::onResetClicked);
    connectHelp();
    leadsTo(ui->Command4, QLatin1String(calc::control::kScreen), [this] { onHandOffClicked(); });
}

EsoWorkup::~EsoWorkup() = default;

void EsoWorkup::connectDeviationBoxes() {
    for (const DeviationBox& box : kDeviationBoxes) {
        watchDeviationBox(findChild<QLineEdit*>(QLatin1String(box.name)), specOf(box));
    }
}

void EsoWorkup::connectObliqueActions() {
    const auto showGrades = [this](QRadioButton* option, bool shown) {
        connect(option, &QRadioButton::clicked, this, [this, option, shown] {
            if (option->isChecked()) ui->Frame11->setVisible(shown);
        });
    };
    showGrades(ui->Option8, false);
    showGrades(ui->Option9, true);
    showGrades(ui->Option10, true);
}

workup::HandoffInput EsoWorkup::handoffInput() const {
    using workup::FixatingEye;
    using workup::ObliqueAnswer;
    workup::HandoffInput input;
    if (ui->Option1->isChecked()) input.fixating = FixatingEye::OD;
    else if (ui->Option2->isChecked()) input.fixating = FixatingEye::OS;
    else if (ui->Option6->isChecked()) input.fixating = FixatingEye::AltOD;
    else if (ui->Option7->isChecked()) input.fixating = FixatingEye::AltOS;
    input.pattern = ui->Text1->text().toStdString();
    if (ui->Option8->isChecked()) input.oblique = ObliqueAnswer::Normal;
    else if (ui->Option9->isChecked()) input.oblique = ObliqueAnswer::InferiorOveraction;
    else if (ui->Option10->isChecked()) input.oblique = ObliqueAnswer::SuperiorOveraction;
    const std::array<QRadioButton*, 4> grades{ui->Option14, ui->Option15, ui->Option16, ui->Option17};
    for (std::size_t i = 0; i < grades.size(); ++i) {
        if (grades[i]->isChecked()) input.grade = static_cast<int>(i) + 1;
    }
    if (ui->Option12->isChecked()) {
        input.chosen = workup::ChosenOption::One;
        input.chosenText = ui->Label19->text().toStdString();
    } else if (ui->Option13->isChecked()) {
        input.chosen = workup::ChosenOption::Two;
        input.chosenText = ui->Label22->text().toStdString();
    }
    input.largerDeviation = ui->D1->text().toStdString();
    input.patient = patientOf(this);
    return input;
}

void EsoWorkup::onHandOffClicked() { applyHandoff(eso::handoffPlan(handoffInput()), this); }

void EsoWorkup::connectHelp() {
    leadsTo(ui->Command6, QStringLiteral("Inst_Eso"));
    leadsTo(ui->Command1, QStringLiteral("Form_AVP"));
    leadsTo(ui->Command7, QStringLiteral("ACA"), [this] { fillAcaCalculator(); });
    leadsTo(ui->Command9, QStringLiteral("DVD"));
    leadsTo(ui->Command3, QString::fromLatin1(kPrintScreen),
            [] { requestPrint(QStringLiteral("Esotropia")); });
    leadsHome(ui->Command8, this);
}

void EsoWorkup::fillAcaCalculator() {
    QWidget* aca = Navigator::instance().open(QStringLiteral("ACA"));
    if (aca == nullptr) return;
    auto* nearGaze = aca->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* nearPlus3 = aca->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* eso = aca->findChild<QRadioButton*>(QStringLiteral("Option1"));
    if (nearGaze != nullptr) nearGaze->setText(ui->N->text());
    if (nearPlus3 != nullptr) nearPlus3->setText(ui->N3->text());
    if (eso != nullptr) select(eso);
}

void EsoWorkup::onPatternChanged(const QString& pattern) {
    const auto shown = eso::obliquesShownFor(pattern.toStdString());
    if (!shown) return;
    ui->Option8->setVisible(shown->normal);
    ui->Option9->setVisible(shown->inferiorOveraction);
    ui->Option10->setVisible(shown->superiorOveraction);
}

std::optional<eso::Deviations> EsoWorkup::readDeviations() {
    std::array<double, std::size(kDeviationBoxes)> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        auto* box = findChild<QLineEdit*>(QLatin1String(kDeviationBoxes[i].name));
        const std::optional<double> value = deviationOrComplain(box, specOf(kDeviationBoxes[i]));
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    return eso::Deviations{values[0], values[1], values[2], values[3], values[4]};
}

void EsoWorkup::onEnterClicked() {
    if (const std::optional<eso::Deviations> deviations = readDeviations()) showDiagnosis(*deviations);
}

void EsoWorkup::showDiagnosis(const eso::Deviations& x) {
    // Step 1: the larger of the distance and near deviations, as its box shows it.
    const bool nearIsLarger = workup::largerDeviation(x.distance, x.nearGaze) == workup::LargerBox::Near;
    ui->D1->setText(nearIsLarger ? ui->N->text() : ui->D->text());
    const double larger = nearIsLarger ? x.nearGaze : x.distance;

    // Step 2: type of esotropia and AC/A class.
    const eso::TypeAnswer type = eso::typeAndAca(x, ui->Option3->isChecked());
    writeResult(ui->Label1, type.acaLabel);
    writeResult(ui->Label2, type.typeLabel);

    // Step 3: surgical options for the type now shown, which may be one an
    // earlier press left.
    const eso::OptionsAnswer options = eso::surgicalOptions(ui->Label2->text().toStdString(), larger);
    writeResult(ui->Label19, options.option1);
    writeResult(ui->Label22, options.option2);

    // Step 4: the simulator reads the boxes leniently.
    moveIrises(this, kIrises, eso::kIrisBase,
               {leadingNumberOf(ui->UP), leadingNumberOf(ui->D), leadingNumberOf(ui->DN)},
               IrisShift::TowardsNose);

    // Step 5: pattern, and the oblique-action answers it allows.
    const eso::PatternAnswer pattern =
        eso::patternAndObliques(x.upGaze, x.downGaze, ui->Text1->text().toStdString());
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

void EsoWorkup::onResetClicked() {
    for (QLineEdit* box : {ui->D, ui->N, ui->DN, ui->UP, ui->N3}) box->setText(QStringLiteral("0"));
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label19, ui->Label22}) label->clear();
    ui->Text1->clear();
    ui->Label21->clear();
    placeIrisesAtBase(this, kIrises, eso::kIrisBase);
}

}  // namespace ocu
