#include "restrictive/dvd.h"

#include "restrictive/results.h"
#include "restrictive/rules/dvd.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_dvd.h"

namespace ocu {

DissociatedVertical::DissociatedVertical(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::DVD>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QStringLiteral("DVD "),
                       .title = QString(),
                       .bannerName = QStringLiteral("Label7"),
                       .leftStripName = QStringLiteral("Label8"),
                       .rightStripName = QStringLiteral("Label9"),
                       .creditName = QStringLiteral("Label10")});
    // This screen's banner carries its subject alone.
    findChild<QLabel*>(QStringLiteral("Label7"))->setText(QStringLiteral("Dissociated Vertical Deviation"));
    setFixedSize(size());
    setBackground(this, kWhite);
    setBackground(ui->Label1, kWhite);

    connect(ui->Command1, &QPushButton::clicked, this, &DissociatedVertical::onEnterClicked);
    // Reset empties the result only; its colour and the answers stay.
    connect(ui->Command3, &QPushButton::clicked, ui->Label1, &QLabel::clear);
    // The work-up that opened this screen is still open beneath it.
    for (QPushButton* leave : {ui->Command2, ui->Command4}) {
        connect(leave, &QPushButton::clicked, this, [] { Navigator::instance().close(QStringLiteral("DVD")); });
    }
}

DissociatedVertical::~DissociatedVertical() = default;

void DissociatedVertical::onEnterClicked() {
    const DvdLaterality laterality = selected(
        {{ui->Option3, DvdLaterality::Bilateral}, {ui->Option4, DvdLaterality::Unilateral}}, DvdLaterality::Unanswered);
    const ObliqueOverAction inferiorOblique = selected(
        {{ui->Option1, ObliqueOverAction::No}, {ui->Option2, ObliqueOverAction::Yes}}, ObliqueOverAction::Unanswered);
    writeResult(ui->Label1, dvdTreatment(laterality, inferiorOblique));
}

}  // namespace ocu
