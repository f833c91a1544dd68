#include "tools/aca.h"

#include "shell/boxes.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/results.h"
#include "shell/rules/messages.h"
#include "shell/screenframe.h"
#include "tools/rules/acaratio.h"
#include "ui_aca.h"

namespace ocu {
namespace {

void paint(QWidget* widget, const QColor& background, const QColor& text) {
    setBackground(widget, background);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
}

}  // namespace

Aca::Aca(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Aca>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"),
                       .title = QStringLiteral("AC/A Calculator"),
                       .bannerName = QStringLiteral("Label7"),
                       .leftStripName = QStringLiteral("Label6"),
                       .rightStripName = QStringLiteral("Label8"),
                       .creditName = QStringLiteral("Label10")});
    colour();
    showsItsStart(ui->Text3);
    for (QLineEdit* box : {ui->Text1, ui->Text2, ui->Text3}) returnPresses(box, ui->Command1);
    connect(ui->Command1, &QPushButton::clicked, this, &Aca::onCalculateClicked);
    leadsHome(ui->Command2, this);
}

Aca::~Aca() = default;

void Aca::colour() {
    // Black screen; frames and options on the window-frame colour (black:
    // the toolkit has no such system colour), labels and Calculate on the
    // system window-text colour, all lettered white.
    const QPalette system = palette();
    const QColor white(255, 255, 255);
    const QColor windowFrame(0, 0, 0);
    paint(this, QColor(0, 0, 0), white);
    for (QWidget* w : {static_cast<QWidget*>(ui->Frame1), static_cast<QWidget*>(ui->Frame2),
                       static_cast<QWidget*>(ui->Option1), static_cast<QWidget*>(ui->Option2)}) {
        paint(w, windowFrame, white);
    }
    for (QWidget* w :
         {static_cast<QWidget*>(ui->Label1), static_cast<QWidget*>(ui->Label2), static_cast<QWidget*>(ui->Label3),
          static_cast<QWidget*>(ui->Label4), static_cast<QWidget*>(ui->Command1)}) {
        paint(w, system.color(QPalette::WindowText), white);
    }
}

void Aca::onCalculateClicked() {
    aca::Input input;
    input.type = ui->Option1->isChecked()   ? aca::Deviation::Eso
                 : ui->Option2->isChecked() ? aca::Deviation::Exo
                                            : aca::Deviation::None;
    input.withoutLens = ui->Text1->text().toStdString();
    input.withLens = ui->Text2->text().toStdString();
    input.ratioShown = ui->Text3->text().toStdString();
    const aca::Outcome outcome = aca::calculate(input);
    if (outcome.notANumber) {
        const bool first = *outcome.notANumber == aca::Box::WithoutLens;
        QLineEdit* box = first ? ui->Text1 : ui->Text2;
        const std::string what = first ? "deviation at 33 Cms" : "deviation at 33 Cms with +3 sph";
        showMessage(this, QString::fromStdString(notANumberMessage(what)));
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (outcome.ratio) ui->Text3->setText(QString::fromStdString(*outcome.ratio));
    ui->Label4->setText(toQString(outcome.ratioClass));
}

}  // namespace ocu
