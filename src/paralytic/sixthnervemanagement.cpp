#include "paralytic/sixthnervemanagement.h"

#include "paralytic/resultlabels.h"
#include "paralytic/rules/sixthnerve.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_sixthnervemanagement.h"

namespace ocu {

using namespace paralytic;

SixthNerveManagement::SixthNerveManagement(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::SixthNerveManagement>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QString(), .title = QStringLiteral("Sixth Nerve Palsy")});
    const QColor opening = palette().color(QPalette::HighlightedText);
    prepareResultLabel(ui->Label1, opening);
    prepareResultLabel(ui->Label2, opening);
    connect(ui->Command1, &QPushButton::clicked, this, &SixthNerveManagement::onManagementClicked);
    connect(ui->Command8, &QPushButton::clicked, this, [this] { Navigator::instance().home(this); });
}

SixthNerveManagement::~SixthNerveManagement() = default;

void SixthNerveManagement::onManagementClicked() {
    const SixthNerveAnswers answers{
        answerOf<Course>({{ui->Option1, Course::Acute}, {ui->Option2, Course::Chronic}}),
        answerOf<Severity>({{ui->Option3, Severity::Paresis}, {ui->Option4, Severity::CompleteParalysis}}),
    };
    const auto plan = sixthNervePlan(answers);
    if (!plan) return;
    writeResult(ui->Label1, plan->left);
    writeResult(ui->Label2, plan->right);
}

}  // namespace ocu
