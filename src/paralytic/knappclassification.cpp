#include "paralytic/knappclassification.h"

#include "paralytic/resultlabels.h"
#include "paralytic/rules/superioroblique.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_knappclassification.h"

namespace ocu {

using namespace paralytic;

KnappClassification::KnappClassification(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::KnappClassification>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QString(), .title = QStringLiteral("Management Superior Oblique Palsy")});
    prepareResultLabel(ui->Label2, Qt::white);
    connect(ui->Command2, &QPushButton::clicked, this, &KnappClassification::onEnterClicked);
    leadsOnTo(ui->Command1, this, QStringLiteral("SQman"));
    leadsHome(ui->Command3, this);
}

KnappClassification::~KnappClassification() = default;

void KnappClassification::onEnterClicked() {
    const Side side = answerOf<Side>({{ui->OptionR, Side::Right}, {ui->OptionL, Side::Left}});
    const int knappClass = answerOf<int>({{ui->class1, 1},
                                          {ui->class2, 2},
                                          {ui->class3, 3},
                                          {ui->class4, 4},
                                          {ui->class5, 5},
                                          {ui->class6, 6},
                                          {ui->class7, 7}});
    writeResult(ui->Label2, knappGaze(side, knappClass));
}

}  // namespace ocu
