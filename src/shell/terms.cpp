#include "shell/terms.h"

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "shell/texts.h"
#include "ui_terms.h"

namespace ocu {

Terms::Terms(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Terms>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QString(), .title = QStringLiteral("Terms and Conditions")});
    ui->Text1->setPlainText(joinLines(kTermsText));
    connect(ui->Command1, &QPushButton::clicked, this, &Terms::onNextClicked);
    connect(ui->Command2, &QPushButton::clicked, this, [] {
        Navigator& screens = Navigator::instance();
        screens.close(QStringLiteral("Terms"));
        screens.endRun();
    });
}

Terms::~Terms() = default;

void Terms::onNextClicked() {
    Navigator& screens = Navigator::instance();
    if (ui->Option1->isChecked()) {
        screens.open(QString::fromLatin1(kHomeScreen));
        screens.hide(QStringLiteral("Terms"));
    } else {
        screens.endRun();
    }
}

}  // namespace ocu
