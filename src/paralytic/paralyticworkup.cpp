#include "paralytic/paralyticworkup.h"

#include "paralytic/resultlabels.h"
#include "paralytic/rules/workup.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_paralyticworkup.h"

namespace ocu {

using namespace paralytic;

ParalyticWorkup::ParalyticWorkup(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ParalyticWorkup>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"), .title = QStringLiteral("Paralytic Squints Workup")});
    const QColor opening = palette().color(QPalette::HighlightedText);
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6}) {
        prepareResultLabel(label, opening);
    }
    connect(ui->Command1, &QPushButton::clicked, this, &ParalyticWorkup::onEnterClicked);
    connect(ui->Command7, &QPushButton::clicked, this, &ParalyticWorkup::onResetClicked);
    leadsTo(ui->Command5, QStringLiteral("Third_man"));
    leadsTo(ui->Command4, QStringLiteral("SQman"));
    leadsTo(ui->Command6, QStringLiteral("Sixth_man"));
    leadsHome(ui->Command8, this);
    // "How To Use This" is shown as designed and does nothing.
}

ParalyticWorkup::~ParalyticWorkup() = default;

namespace {

Duction duction(const QRadioButton* normal, const QRadioButton* restricted) {
    return answerOf<Duction>({{normal, Duction::Normal}, {restricted, Duction::Restricted}});
}

Ptosis ptosis(const QRadioButton* present, const QRadioButton* absent) {
    return answerOf<Ptosis>({{present, Ptosis::Present}, {absent, Ptosis::Absent}});
}

YesNo yesNo(const QRadioButton* yes, const QRadioButton* no) {
    return answerOf<YesNo>({{yes, YesNo::Yes}, {no, YesNo::No}});
}

void showDiagnosis(QLabel* diagnosis, QLabel* differential, const std::optional<Diagnosis>& result) {
    if (!result) return;
    writeResult(diagnosis, result->diagnosis);
    writeResult(differential, result->differential);
}

}  // namespace

void ParalyticWorkup::onEnterClicked() {
    WorkupFindings f;
    f.right = {duction(ui->Option1, ui->Option2), duction(ui->Option3, ui->Option4), duction(ui->Option5, ui->Option6),
               duction(ui->Option7, ui->Option8), ptosis(ui->Option9, ui->Option10)};
    f.left = {duction(ui->Option11, ui->Option12), duction(ui->Option13, ui->Option14),
              duction(ui->Option15, ui->Option16), duction(ui->Option17, ui->Option18),
              ptosis(ui->Option19, ui->Option20)};
    f.gazes = {yesNo(ui->Option27, ui->Option23), yesNo(ui->Option29, ui->Option26), yesNo(ui->Option24, ui->Option28),
               yesNo(ui->Option22, ui->Option25), yesNo(ui->Option21, ui->Option30)};
    showDiagnosis(ui->Label1, ui->Label3, rightEyeDiagnosis(f));
    showDiagnosis(ui->Label2, ui->Label4, leftEyeDiagnosis(f));
    showDiagnosis(ui->Label5, ui->Label6, supranuclearDiagnosis(f));
}

void ParalyticWorkup::onResetClicked() {
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6}) {
        writeResult(label, Result{"", kWhite});
    }
}

}  // namespace ocu
