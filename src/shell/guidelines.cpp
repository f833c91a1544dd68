#include "shell/guidelines.h"

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "shell/texts.h"
#include "ui_guidelines.h"

namespace ocu {

GuidelineSpec Guidelines::eso() {
    return {QStringLiteral("Inst_Eso"), QStringLiteral("Guidelines:Eso Deviation"),
            QStringLiteral("Back to Eso Deviations"), QStringLiteral("Esotropia"), kEsoGuidelines};
}

GuidelineSpec Guidelines::exo() {
    return {QStringLiteral("Inst_Exo"), QStringLiteral("Guidelines Exo Deviation"),
            QStringLiteral("Back To Exo Deviations"), QStringLiteral("Exotropia"), kExoGuidelines};
}

Guidelines::Guidelines(const GuidelineSpec& design, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Guidelines>()) {
    ui->setupUi(this);
    setObjectName(design.name);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"), .title = design.title});
    ui->Text1->setPlainText(joinLines(design.lines));
    ui->Text1->setAccessibleName(design.title);
    ui->Command1->setText(design.backCaption);
    const QString name = design.name;
    const QString workup = design.workup;
    leadsTo(ui->Command1, workup, [name, workup] {
        Navigator& screens = Navigator::instance();
        screens.open(workup);
        screens.hide(name);
    });
    leadsHome(ui->Command2, this);
}

Guidelines::~Guidelines() = default;

}  // namespace ocu
