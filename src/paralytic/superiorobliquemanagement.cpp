#include "paralytic/superiorobliquemanagement.h"

#include "paralytic/resultlabels.h"
#include "paralytic/rules/superioroblique.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_superiorobliquemanagement.h"

namespace ocu {

using namespace paralytic;

SuperiorObliqueManagement::SuperiorObliqueManagement(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::SuperiorObliqueManagement>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QString(), .title = QStringLiteral("Management Superior Oblique Palsy")});
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label11}) prepareResultLabel(label, Qt::white);
    connect(ui->Command3, &QPushButton::clicked, this, &SuperiorObliqueManagement::onHypertropiaEnterClicked);
    connect(ui->Command1, &QPushButton::clicked, this, &SuperiorObliqueManagement::onResetClicked);
    connect(ui->Command2, &QPushButton::clicked, this, &SuperiorObliqueManagement::onKnappEnterClicked);
    leadsTo(ui->Command4, QStringLiteral("Knapp"));
    leadsHome(ui->Command8, this);
}

SuperiorObliqueManagement::~SuperiorObliqueManagement() = default;

void SuperiorObliqueManagement::onHypertropiaEnterClicked() {
    const HypertropiaFindings findings{
        answerOf<HigherEye>({{ui->Option7, HigherEye::RightOverLeft}, {ui->Option8, HigherEye::LeftOverRight}}),
        answerOf<PrimaryHypertropia>(
            {{ui->Option1, PrimaryHypertropia::Under15}, {ui->Option2, PrimaryHypertropia::Over15}}),
        answerOf<Cyclotropia>({{ui->Option3, Cyclotropia::Under10}, {ui->Option4, Cyclotropia::Over15}}),
        answerOf<TractionTest>({{ui->Option5, TractionTest::Tight}, {ui->Option6, TractionTest::NotTight}}),
    };
    writeResult(ui->Label11, hypertropiaSurgery(findings));
}

// The side, cyclotropia and traction test are asked again; the amount, the
// Knapp branch and the colour of the plan stay.
void SuperiorObliqueManagement::onResetClicked() {
    for (QRadioButton* option : {ui->Option3, ui->Option4, ui->Option5, ui->Option6, ui->Option7, ui->Option8}) {
        deselect(option);
    }
    ui->Label11->setText(QString());
}

void SuperiorObliqueManagement::onKnappEnterClicked() {
    const KnappFindings findings{
        answerOf<Side>({{ui->OptionR, Side::Right}, {ui->OptionL, Side::Left}}),
        answerOf<int>({{ui->class1, 1},
                       {ui->class2, 2},
                       {ui->class3, 3},
                       {ui->class4, 4},
                       {ui->class5, 5},
                       {ui->class6, 6},
                       {ui->class7, 7}}),
        answerOf<KnappHypertropia>(
            {{ui->Option10, KnappHypertropia::LessThan25}, {ui->Option11, KnappHypertropia::MoreThan25}}),
    };
    const auto plan = knappSurgery(findings);
    if (!plan) return;
    writeResult(ui->Label1, plan->management);
    writeResult(ui->Label2, plan->gaze);
}

}  // namespace ocu
