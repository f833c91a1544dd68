#include "paralytic/paralyticmenu.h"

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_paralyticmenu.h"

namespace ocu {

ParalyticMenu::ParalyticMenu(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ParalyticMenu>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QString(), .title = QStringLiteral("Paralytic Squints")});
    leadTo(ui->Command6, QStringLiteral("Paralytic"));
    leadTo(ui->Command7, QStringLiteral("Parks"));
    leadTo(ui->Command1, QStringLiteral("Third_man"));
    leadTo(ui->Command2, QStringLiteral("SQman"));
    leadTo(ui->Command3, QStringLiteral("Sixth_man"));
    connect(ui->Command8, &QPushButton::clicked, this, [this] { Navigator::instance().home(this); });
}

ParalyticMenu::~ParalyticMenu() = default;

void ParalyticMenu::leadTo(QPushButton* button, const QString& screen) {
    leadsTo(button, screen, [screen] {
        Navigator& screens = Navigator::instance();
        screens.open(screen);
        screens.close(QStringLiteral("SB_Manage"));
    });
}

}  // namespace ocu
