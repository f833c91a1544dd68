#include "paralytic/thirdnervemanagement.h"

#include "paralytic/resultlabels.h"
#include "paralytic/rules/thirdnerve.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_thirdnervemanagement.h"

namespace ocu {

using namespace paralytic;

namespace {
// A reaction to an option click that acts only when the option ends up selected.
template <class Reaction>
void onSelected(QRadioButton* option, QWidget* context, Reaction reaction) {
    QObject::connect(option, &QRadioButton::clicked, context, [option, reaction] {
        if (option->isChecked()) reaction();
    });
}
}  // namespace

ThirdNerveManagement::ThirdNerveManagement(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ThirdNerveManagement>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QString(), .title = QStringLiteral("Management of Third Nerve Palsy")});
    const QColor opening = palette().color(QPalette::HighlightedText);
    prepareResultLabel(ui->Label1, opening);
    prepareResultLabel(ui->Label11, opening);
    ui->Frame4->hide();
    ui->Frame5->hide();
    // Hiding a step keeps its answer: Enter reads every step.
    onSelected(ui->Option1, this, [this] {
        ui->Frame4->hide();
        ui->Frame5->hide();
    });
    onSelected(ui->Option2, this, [this] { ui->Frame4->show(); });
    onSelected(ui->Option3, this, [this] { ui->Frame5->hide(); });
    onSelected(ui->Option4, this, [this] { ui->Frame5->show(); });
    connect(ui->Command1, &QPushButton::clicked, this, &ThirdNerveManagement::onEnterClicked);
    leadsHome(ui->Command8, this);
}

ThirdNerveManagement::~ThirdNerveManagement() = default;

void ThirdNerveManagement::onEnterClicked() {
    const ThirdNerveAnswers answers{
        answerOf<Onset>({{ui->Option1, Onset::Congenital}, {ui->Option2, Onset::Acquired}}),
        answerOf<PalsyExtent>({{ui->Option7, PalsyExtent::Complete}, {ui->Option8, PalsyExtent::Partial}}),
        answerOf<PtosisExtent>({{ui->Option9, PtosisExtent::Complete}, {ui->Option10, PtosisExtent::Partial}}),
        answerOf<Trauma>({{ui->Option3, Trauma::Trauma}, {ui->Option4, Trauma::NoTrauma}}),
        answerOf<PalsyCause>({{ui->Option5, PalsyCause::Diabetic}, {ui->Option6, PalsyCause::CnsLesion}}),
    };
    const auto plan = thirdNervePlan(answers);
    if (!plan) return;
    writeResult(ui->Label1, plan->treatment);
    writeResult(ui->Label11, plan->investigations);
}

}  // namespace ocu
