#include "paralytic/threesteptest.h"

#include "paralytic/resultlabels.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_threesteptest.h"

namespace ocu {

using namespace paralytic;

ThreeStepTest::ThreeStepTest(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ThreeStepTest>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"), .title = QStringLiteral("Parks three Step Test")});
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3}) prepareResultLabel(label, Qt::white);
    connect(ui->Command1, &QPushButton::clicked, this, &ThreeStepTest::onStep1Entered);
    connect(ui->Command4, &QPushButton::clicked, this, &ThreeStepTest::onStep2Entered);
    connect(ui->Command5, &QPushButton::clicked, this, &ThreeStepTest::onStep3Entered);
    leadsHome(ui->Command2, this);
}

ThreeStepTest::~ThreeStepTest() = default;

// Each step reads the answers as they stand, whether or not an earlier
// step's Enter was pressed.
ThreeStepAnswers ThreeStepTest::answers() const {
    return {
        answerOf<HigherEye>({{ui->Option9, HigherEye::RightOverLeft}, {ui->Option10, HigherEye::LeftOverRight}}),
        answerOf<WorseGaze>(
            {{ui->Option11, WorseGaze::Right}, {ui->Option12, WorseGaze::Left}, {ui->Option15, WorseGaze::Both}}),
        answerOf<WorseHeadTurn>({{ui->Option13, WorseHeadTurn::Right},
                                 {ui->Option14, WorseHeadTurn::Left},
                                 {ui->Option16, WorseHeadTurn::Both}}),
    };
}

void ThreeStepTest::onStep1Entered() { writeResult(ui->Label1, parksStep1(answers())); }
void ThreeStepTest::onStep2Entered() { writeResult(ui->Label2, parksStep2(answers())); }
void ThreeStepTest::onStep3Entered() { writeResult(ui->Label3, parksStep3(answers())); }

}  // namespace ocu
