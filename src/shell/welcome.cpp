#include "shell/welcome.h"

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_welcome.h"

namespace ocu {

Welcome::Welcome(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Welcome>()) {
    ui->setupUi(this);
    ui->Label2->setText(creditLine());
    connect(ui->Command1, &QPushButton::clicked, this, [] {
        Navigator& screens = Navigator::instance();
        screens.open(QStringLiteral("Terms"));
        screens.close(QStringLiteral("Form_PD"));
    });
}

Welcome::~Welcome() = default;

}  // namespace ocu
