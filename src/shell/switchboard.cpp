#include "shell/switchboard.h"

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_switchboard.h"

namespace ocu {

Switchboard::Switchboard(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Switchboard>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"), .title = QStringLiteral("Home")});
    leadTo("Command1", "Esotropia");
    leadTo("Command2", "Exotropia");
    leadTo("Command9", "SB_Manage");
    leadTo("Command10", "Brown");
    leadTo("Command7", "Form_AVP");
    leadTo("Command6", "Parks");
    leadTo("Command8", "ACA");
    leadTo("Command11", "Knapp");
    leadTo("Command3", "Mov");
    leadTo("Command4", "Mov");
    leadTo("Command5", "AbtAuthor");
    connect(ui->Command12, &QPushButton::clicked, this, [] { Navigator::instance().endRun(); });
}

Switchboard::~Switchboard() = default;

void Switchboard::leadTo(const char* button, const char* screen) {
    ocu::leadsTo(findChild<QPushButton*>(QLatin1String(button)), QLatin1String(screen));
}

}  // namespace ocu
