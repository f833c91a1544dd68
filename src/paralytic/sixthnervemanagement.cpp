#include "paralytic/sixthnervemanagement.h"

#include <QFontMetrics>

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
    // The long blank runs of the acute row are meant to put each label's
    // second item on a line of its own: the labels are only a little wider
    // than the longest first item, whatever the font.
    const QFontMetrics metrics(ui->Label1->font());
    const int width = metrics.horizontalAdvance(QStringLiteral("1 Wait at least 6 month before operation.")) +
                      metrics.horizontalAdvance(QString(8, u' ')) + 2 * (ui->Label1->frameWidth() + 4);
    ui->Label1->setFixedWidth(width);
    ui->Label2->setFixedWidth(width);
    connect(ui->Command1, &QPushButton::clicked, this, &SixthNerveManagement::onManagementClicked);
    leadsHome(ui->Command8, this);
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
