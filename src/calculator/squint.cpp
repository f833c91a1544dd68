#include "calculator/squint.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>
#include <vector>

#include "calculator/rules/controlnames.h"
#include "calculator/rules/doses.h"
#include "shell/boxes.h"
#include "shell/controls.h"
#include "shell/eyecolumns.h"
#include "shell/navigator.h"
#include "shell/picture.h"
#include "shell/printrequest.h"
#include "shell/results.h"
#include "shell/rules/datetime.h"
#include "shell/rules/numbers.h"
#include "shell/screenframe.h"
#include "ui_squint.h"

namespace ocu {

using calc::DoseBox;
using calc::Procedure;

namespace {

const QColor kProcedureText(0, 0, 128);

// clang-format off
constexpr std::array<DoseBox, calc::kDoseBoxCount> kAllBoxes = {
    DoseBox::LRrec_R, DoseBox::LRrec_L, DoseBox::MRres_R, DoseBox::MRres_L,
    DoseBox::LRres_R, DoseBox::LRres_L, DoseBox::MRrec_R, DoseBox::MRrec_L};

}  // namespace
// clang-format on

Squint::Squint(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Squint>()) {
    ui->setupUi(this);
    placeAsDesigned(this);
    headEyeColumns(this);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"), .title = QStringLiteral("Simulator And Calculator")});

    // The irises' lefts at rest are the simulator rule's; the form gives
    // their top and size.
    placeIrises(calc::IrisLefts{});
    ui->Image2->raise();
    ui->Image3->raise();

    // The decorative spot hides the working cells of the plan.
    auto* spot = new Picture(ui->Command12);
    spot->setObjectName(QStringLiteral("Image4"));
    spot->setSource(QStringLiteral(":/pictures/blue_spot.svg"));
    spot->setAccessibleName(QStringLiteral("A blue spot fading into a yellow ground"));
    spot->setAttribute(Qt::WA_TransparentForMouseEvents);
    spot->setGeometry(ui->Command12->rect());
    ui->Command12->raise();
    // Covered, the cells are no place for the keyboard either.
    for (QLineEdit* cell : {ui->C3, ui->C4, ui->C5, ui->C6, ui->C7, ui->C8, ui->C9, ui->C10, ui->CTotal}) {
        cell->setFocusPolicy(Qt::NoFocus);
    }
    ownTabStop(ui->Frame4);

    QPalette procedureText = ui->Text9->palette();
    procedureText.setColor(QPalette::Text, kProcedureText);
    ui->Text9->setPalette(procedureText);

    connectDoseBoxes();
    // clang-format off
    const std::array<std::pair<QPushButton*, Procedure>, 4> procedures = {{
        {ui->Command1, Procedure::BilateralRecession},
        {ui->Command2, Procedure::RecessResect},
        {ui->Command3, Procedure::ThreeOrFourMuscles},
        {ui->Command13, Procedure::BilateralResection},
    }};
    // clang-format on
    for (const auto& [button, procedure] : procedures) {
        connect(button, &QPushButton::clicked, this, [this, p = procedure] { onProcedureClicked(p); });
    }
    connect(ui->Command11, &QPushButton::clicked, this, &Squint::onReplanClicked);
    connect(ui->Text1, &QLineEdit::textChanged, this, &Squint::onDeviationChanged);
    connect(ui->enter, &QPushButton::clicked, this, &Squint::onEnterClicked);
    connect(ui->Showresult, &QPushButton::clicked, this, &Squint::onShowResultClicked);
    // The summary follows the check and every dose that reaches its cell.
    connect(ui->Showresult, &QPushButton::clicked, this, &Squint::showPlanSummary);
    for (QLineEdit* cell : {ui->C3, ui->C4, ui->C5, ui->C6, ui->C7, ui->C8, ui->C9, ui->C10}) {
        connect(cell, &QLineEdit::textChanged, this, &Squint::showPlanSummary);
    }

    // clang-format off
    const std::array<std::pair<QRadioButton*, calc::ObliqueAction>, 4> actions = {{
        {ui->Option4, calc::ObliqueAction::Normal},
        {ui->Option5, calc::ObliqueAction::InfOA},
        {ui->Option6, calc::ObliqueAction::SupOA},
        {ui->Option7, calc::ObliqueAction::InfAndSupOA},
    }};
    // clang-format on
    for (const auto& [option, action] : actions) {
        connect(option, &QRadioButton::clicked, this, [this, o = option, a = action] { onObliqueActionClicked(o, a); });
    }
    connect(ui->Command9, &QPushButton::clicked, this, &Squint::onObliqueEnterClicked);

    leadsOnTo(ui->Command6, this, QStringLiteral("Esotropia"));
    leadsOnTo(ui->Command7, this, QStringLiteral("Exotropia"));
    leadsTo(ui->Command4, QString::fromLatin1(kPrintScreen),
            [] { requestPrint(QLatin1String(calc::control::kScreen)); });
    leadsHome(ui->Command8, this);

    connect(ui->Text4, &QLineEdit::textChanged, this, &Squint::onDateTimeChanged);
    onDateTimeChanged();
}

Squint::~Squint() = default;

// --- Controls by their place in the rules ------------------------------------

QComboBox* Squint::doseBox(DoseBox box) const {
    switch (box) {
    case DoseBox::LRrec_R: return ui->cmbLRrec_R;
    case DoseBox::LRrec_L: return ui->cmbLRrec_L;
    case DoseBox::MRres_R: return ui->cmbMRres_R;
    case DoseBox::MRres_L: return ui->cmbMRres_L;
    case DoseBox::LRres_R: return ui->cmbLRres_R;
    case DoseBox::LRres_L: return ui->cmbLRres_L;
    case DoseBox::MRrec_R: return ui->cmbMRrec_R;
    case DoseBox::MRrec_L: return ui->cmbMRrec_L;
    }
    return nullptr;
}

QLineEdit* Squint::cell(DoseBox box) const {
    switch (box) {
    case DoseBox::LRrec_R: return ui->C3;
    case DoseBox::LRrec_L: return ui->C4;
    case DoseBox::MRres_R: return ui->C5;
    case DoseBox::MRres_L: return ui->C6;
    case DoseBox::LRres_R: return ui->C7;
    case DoseBox::LRres_L: return ui->C8;
    case DoseBox::MRrec_R: return ui->C9;
    case DoseBox::MRrec_L: return ui->C10;
    }
    return nullptr;
}

QPushButton* Squint::procedureButton(Procedure procedure) const {
    switch (procedure) {
    case Procedure::BilateralRecession: return ui->Command1;
    case Procedure::RecessResect: return ui->Command2;
    case Procedure::ThreeOrFourMuscles: return ui->Command3;
    case Procedure::BilateralResection: return ui->Command13;
    }
    return nullptr;
}

QRadioButton* Squint::patternOption(calc::Pattern pattern) const {
    switch (pattern) {
    case calc::Pattern::NoPatterns: return ui->Option1;
    case calc::Pattern::AEso: return ui->Option2;
    case calc::Pattern::VEso: return ui->Option3;
    case calc::Pattern::Delta: return ui->Option9;
    case calc::Pattern::AExo: return ui->Option10;
    case calc::Pattern::VExo: return ui->Option11;
    case calc::Pattern::X: return ui->Option8;
    case calc::Pattern::Y: return ui->Option12;
    }
    return nullptr;
}

std::optional<calc::Side> Squint::selectedSide() const {
    return calc::firstSelected({.esoOD = ui->ESO_OD->isChecked(),
                                .esoOS = ui->ESO_OS->isChecked(),
                                .exoOD = ui->EXO_OD->isChecked(),
                                .exoOS = ui->EXO_OS->isChecked()});
}

std::optional<calc::ObliqueAction> Squint::selectedObliqueAction() const {
    if (ui->Option4->isChecked()) return calc::ObliqueAction::Normal;
    if (ui->Option5->isChecked()) return calc::ObliqueAction::InfOA;
    if (ui->Option6->isChecked()) return calc::ObliqueAction::SupOA;
    if (ui->Option7->isChecked()) return calc::ObliqueAction::InfAndSupOA;
    return std::nullopt;
}

std::optional<calc::Grade> Squint::selectedGrade() const {
    if (ui->Option13->isChecked()) return calc::Grade::One;
    if (ui->Option14->isChecked()) return calc::Grade::Two;
    if (ui->Option15->isChecked()) return calc::Grade::Three;
    if (ui->Option16->isChecked()) return calc::Grade::Four;
    return std::nullopt;
}

// --- Dosing --------------------------------------------------------------------

void Squint::connectDoseBoxes() {
    for (DoseBox box : kAllBoxes) {
        QComboBox* combo = doseBox(box);
        for (int i = 0; i < calc::itemCount(box); ++i) combo->addItem(toQString(calc::item(box, i)));
        // The user picks from the list; only the program writes other texts ("0").
        makeChoiceOnly(combo);
        combo->setCurrentIndex(-1);
        onFocusOut(combo, [this, box] { onDoseBoxLeft(box); });
    }
}

void Squint::onDoseBoxLeft(DoseBox box) {
    const auto pd = calc::doseResponse(box, doseBox(box)->currentText().toStdString());
    if (pd) cell(box)->setText(toQString(*pd));
}

void Squint::onProcedureClicked(Procedure procedure) {
    if (const auto boxes = calc::boxesToDose(procedure, selectedSide())) {
        for (DoseBox box : kAllBoxes) {
            QComboBox* combo = doseBox(box);
            const bool dosed = boxes->contains(box);
            combo->setEnabled(dosed);
            if (dosed) setBackground(combo, kDosingColour);
        }
    }
    if (const auto disabled = calc::procedureDisabledAfter(procedure)) {
        procedureButton(*disabled)->setEnabled(false);
    }
}

void Squint::onReplanClicked() {
    for (DoseBox box : calc::kReplanOrder) {
        QComboBox* combo = doseBox(box);
        combo->setEditText(QStringLiteral("0"));
        setBackground(combo, kWhite);
    }
    for (DoseBox box : kAllBoxes) cell(box)->clear();
    ui->CTotal->clear();
    ui->Command1->setEnabled(true);
    ui->Command2->setEnabled(true);
}

// --- Deviation and simulator -----------------------------------------------------

void Squint::onDeviationChanged() {
    const auto band = calc::deviationBand(leadingNumberOf(ui->Text1));
    if (!band) return;
    switch (*band) {
    case calc::Band::ManageConservatively: showMessage(this, QString::fromLatin1(calc::kManageConservatively)); break;
    case calc::Band::UpToFifty:
        ui->Command3->hide();
        ui->Command2->show();
        ui->Command1->show();
        ui->Command13->show();
        break;
    case calc::Band::AboveFifty:
        ui->Command3->show();
        ui->Command2->hide();
        ui->Command1->hide();
        ui->Command13->hide();
        break;
    case calc::Band::OutOfRange: showMessage(this, QString::fromLatin1(calc::kOutOfRange)); break;
    }
}

void Squint::placeIrises(calc::IrisLefts lefts) {
    setLeftMm(ui->Image2, lefts.od);
    setLeftMm(ui->Image3, lefts.os);
}

void Squint::onEnterClicked() {
    const double deviation = leadingNumberOf(ui->Text1);
    if (const auto side = selectedSide()) placeIrises(calc::deviationShown(*side, deviation));
}

void Squint::onShowResultClicked() {
    std::vector<std::string> texts;
    texts.reserve(std::size(kAllBoxes));
    for (DoseBox box : kAllBoxes) texts.push_back(cell(box)->text().toStdString());
    const std::vector<std::string_view> cells(texts.begin(), texts.end());
    const double total = calc::totalCorrection(cells);
    ui->CTotal->setText(QString::fromStdString(formatNumber(total)));

    const auto side = selectedSide();
    if (!side) return;
    const auto deviation = numberOrComplain(ui->Text1, QStringLiteral("horizontal deviation"));
    if (!deviation) return;
    placeIrises(calc::afterCorrection(*side, *deviation, total));
}

// --- Oblique actions and patterns -----------------------------------------------

void Squint::onObliqueActionClicked(QRadioButton* option, calc::ObliqueAction action) {
    if (!option->isChecked()) return;
    std::optional<calc::Deviation> deviation;
    if (const auto side = selectedSide()) deviation = calc::isEso(*side) ? calc::Deviation::Eso : calc::Deviation::Exo;
    const auto change = calc::patternsFor(action, deviation);
    if (!change) return;
    using calc::Pattern;
    for (Pattern pattern : {Pattern::NoPatterns, Pattern::AEso, Pattern::VEso, Pattern::Delta, Pattern::AExo,
                            Pattern::VExo, Pattern::X, Pattern::Y}) {
        patternOption(pattern)->setEnabled(change->enable.contains(pattern));
    }
    if (change->select) patternOption(*change->select)->setChecked(true);
    if (change->deselect) deselect(patternOption(*change->deselect));
}

void Squint::onObliqueEnterClicked() {
    if (const auto text = calc::obliqueProcedure(selectedObliqueAction(), selectedGrade())) {
        ui->Text9->setText(toQString(*text));
    }
}

// --- Patient block ---------------------------------------------------------------

void Squint::onDateTimeChanged() {
    // Writing the stamp changes the text once more; that change is ours.
    if (stampingDateTime_) return;
    stampingDateTime_ = true;
    ui->Text4->setText(QString::fromStdString(currentDateTime()));
    stampingDateTime_ = false;
}

}  // namespace ocu
