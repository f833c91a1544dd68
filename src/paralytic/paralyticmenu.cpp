#include "paralytic/paralyticmenu.h"

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_paralyticmenu.h"

namespace ocu {

ParalyticMenu::ParalyticMenu(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ParalyticMenu>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QString(), .title = QStringLiteral("Paralytic Squints")});
    leadsOnTo(ui->Command6, this, QStringLiteral("Paralytic"));
    leadsOnTo(ui->Command7, this, QStringLiteral("Parks"));
    leadsOnTo(ui->Command1, this, QStringLiteral("Third_man"));
    leadsOnTo(ui->Command2, this, QStringLiteral("SQman"));
    leadsOnTo(ui->Command3, this, QStringLiteral("Sixth_man"));
    leadsHome(ui->Command8, this);
}

ParalyticMenu::~ParalyticMenu() = default;

}  // namespace ocu
