#include "shell/welcome.h"

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_welcome.h"

namespace ocu {

Welcome::Welcome(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Welcome>()) {
    ui->setupUi(this);
    ui->Label2->setText(creditLine());
    leadsOnTo(ui->Command1, this, QStringLiteral("Terms"));
}

Welcome::~Welcome() = default;

}  // namespace ocu
