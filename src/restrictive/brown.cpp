#include "restrictive/brown.h"

#include "restrictive/results.h"
#include "restrictive/rules/doubleelevator.h"
#include "restrictive/rules/referencetexts.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "shell/texts.h"
#include "ui_brown.h"

namespace ocu {

Brown::Brown(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Brown>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QString(), .title = QStringLiteral("Restictive Strabisus")});
    setFixedSize(size());
    ui->Text1->setPlainText(joinLines(kBrownSyndromeText));
    ui->Text2->setPlainText(joinLines(kBrownGradesText));
    ui->Text3->setPlainText(joinLines(kBrownManagementText));
    ui->Text4->setPlainText(joinLines(kDoubleElevatorText));
    setBackground(ui->Label1, kWhite);
    setBackground(ui->Label2, kWhite);
    // Only the button row shows until a panel is chosen.
    ui->Frame1->hide();
    ui->Frame3->hide();

    connect(ui->Command2, &QPushButton::clicked, this, &Brown::showBrownSyndrome);
    connect(ui->Command5, &QPushButton::clicked, this, &Brown::showDoubleElevatorPalsy);
    leadsOnTo(ui->Command6, this, QStringLiteral("DRS"));
    leadsHome(ui->Command3, this);
    connect(ui->Command4, &QPushButton::clicked, this, &Brown::onEnterClicked);
    connect(ui->Command1, &QPushButton::clicked, this, &Brown::onResetClicked);
}

Brown::~Brown() = default;

void Brown::showBrownSyndrome() {
    ui->Frame3->hide();
    ui->Frame1->show();
}

void Brown::showDoubleElevatorPalsy() {
    ui->Frame1->hide();
    ui->Frame3->show();
}

void Brown::onEnterClicked() {
    const DoubleElevatorFindings findings{
        .primary = selected({{ui->Option1, PrimaryPosition::Orthophoria}, {ui->Option2, PrimaryPosition::Hypertropia}},
                            PrimaryPosition::Unanswered),
        .amount =
            selected({{ui->Option6, HypertropiaAmount::LessThan30Pd}, {ui->Option5, HypertropiaAmount::MoreThan30Pd}},
                     HypertropiaAmount::Unanswered),
        .ptosis = selected({{ui->Option4, PtosisFinding::Absent}, {ui->Option3, PtosisFinding::Present}},
                           PtosisFinding::Unanswered),
        .forcedDuction = selected({{ui->Option7, ForcedDuction::Positive}, {ui->Option8, ForcedDuction::Negative}},
                                  ForcedDuction::Unanswered),
    };
    const DoubleElevatorAdvice advice = doubleElevatorAdvice(findings);
    writeResult(ui->Label1, advice.operation);
    writeResult(ui->Label2, advice.ptosis);
}

void Brown::onResetClicked() {
    // Only the texts go; the selections and the labels' colours stay.
    ui->Label1->clear();
    ui->Label2->clear();
}

}  // namespace ocu
