#include "tools/avpatterns.h"

#include <array>
#include <utility>

#include "shell/boxes.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/results.h"
#include "shell/rules/messages.h"
#include "shell/rules/numbers.h"
#include "shell/screenframe.h"
#include "tools/rules/avpatterns.h"
#include "ui_avpatterns.h"

namespace ocu {

AvPatterns::AvPatterns(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::AvPatterns>()) {
    ui->setupUi(this);
    placeAsDesigned(this);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"), .title = QStringLiteral("Patterns Calculator")});
    // The irises stand where the simulator's rule puts them; the form gives
    // only their size. As designed: the up and down rows start 2 mm nearer
    // the primary row.
    const auto rest = avp::restingIrises();
    placeIrises({{rest.rightUp.left, avp::kUpTopAtOpen},
                 {rest.leftUp.left, avp::kUpTopAtOpen},
                 rest.rightPrimary,
                 rest.leftPrimary,
                 {rest.rightDown.left, avp::kDownTopAtOpen},
                 {rest.leftDown.left, avp::kDownTopAtOpen}});

    for (QLineEdit* box : {ui->Text1, ui->Text2, ui->Text3}) {
        onFocusIn(box, [box] { box->clear(); });
        onFocusOut(box, [box] {
            if (box->text().isEmpty()) box->setText(QStringLiteral("0"));
        });
        returnPresses(box, ui->Command1);
    }
    connect(ui->Command1, &QPushButton::clicked, this, &AvPatterns::onEnterClicked);
    connect(ui->Command3, &QPushButton::clicked, this, &AvPatterns::onResetClicked);
    leadsHome(ui->Command8, this);
}

AvPatterns::~AvPatterns() = default;

void AvPatterns::placeIrises(const avp::Irises& irises) {
    // clang-format off
    const std::array<std::pair<QWidget*, avp::Point>, 6> placed = {{
        {ui->Image4, irises.rightUp}, {ui->Image5, irises.leftUp},
        {ui->Image6, irises.rightPrimary}, {ui->Image7, irises.leftPrimary},
        {ui->Image8, irises.rightDown}, {ui->Image9, irises.leftDown},
    }};
    // clang-format on
    for (const auto& [iris, at] : placed) placeMm(iris, at.left, at.top);
}

void AvPatterns::onEnterClicked() {
    const avp::Deviation type = ui->Option1->isChecked()   ? avp::Deviation::Esotropia
                                : ui->Option2->isChecked() ? avp::Deviation::Exotropia
                                                           : avp::Deviation::None;
    if (type == avp::Deviation::None) {
        showMessage(this, QStringLiteral("Please Select Type Of Deviation "));
        return;
    }
    // Screen order, top to bottom; the first box that is not a number stops the press.
    // clang-format off
    const std::array<std::pair<QLineEdit*, const char*>, 3> boxes = {{
        {ui->Text2, "up gaze deviation"},
        {ui->Text1, "primary position deviation"},
        {ui->Text3, "down gaze deviation"},
    }};
    // clang-format on
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto value = wholeNumber(boxes[i].first->text().toStdString());
        if (!value) {
            showMessage(this, QString::fromStdString(notANumberMessage(boxes[i].second)));
            boxes[i].first->setFocus(Qt::OtherFocusReason);
            return;
        }
        values[i] = *value;
    }
    const avp::Gazes gazes{values[0], values[1], values[2]};
    if (const auto text = avp::pattern(type, gazes)) {
        ui->Text4->setText(toQString(*text));
    }
    if (const auto irises = avp::irises(type, gazes)) placeIrises(*irises);
}

void AvPatterns::onResetClicked() {
    placeIrises(avp::restingIrises());
    for (QLineEdit* box : {ui->Text1, ui->Text2, ui->Text3}) box->setText(QStringLiteral("0"));
    ui->Text4->clear();
}

}  // namespace ocu
