#include "shell/about.h"

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "shell/texts.h"
#include "ui_about.h"

namespace ocu {

About::About(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::About>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QStringLiteral("Form1"), .title = QStringLiteral("About Author")});
    ui->Text1->setPlainText(joinLines(kAboutText));
    leadsHome(ui->Command1, this);
}

About::~About() = default;

}  // namespace ocu
