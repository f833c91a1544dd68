#include "tutorials/movements.h"

#include <array>

#include "shell/boxes.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/results.h"
#include "shell/rules/messages.h"
#include "shell/rules/numbers.h"
#include "shell/screenframe.h"
#include "tutorials/rules/eyemovements.h"
#include "tutorials/rules/overactiongrades.h"
#include "ui_movements.h"

namespace ocu {
namespace {

void whiteOnBlack(QLabel* label) {
    setBackground(label, QColor(0, 0, 0));
    setTextColour(label, QColor(255, 255, 255));
}

}  // namespace

Movements::Movements(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Movements>()) {
    ui->setupUi(this);
    placeAsDesigned(this);
    frameScreen(this, {.caption = QStringLiteral("Ocuvance"), .title = QStringLiteral("Simulator And  Calculator")});
    // The face fills the top left corner; the banner and strip stay readable over it.
    ui->Image1->lower();
    // The irises' rest positions are the tutorial's rule; the form gives their size.
    for (const auto& [iris, at] :
         {std::pair{ui->Image2, movements::kOdRest}, std::pair{ui->Image3, movements::kOsRest}}) {
        placeMm(iris, at.left, at.top);
    }
    for (QLabel* label : {ui->Label3, ui->Label4, ui->Label5, ui->Label6}) whiteOnBlack(label);

    for (const auto& row : movements::kBothEyesRows) connectMovement(row.button);
    for (const auto& row : movements::kDuctionRows) connectMovement(row.button);
    for (const auto& row : movements::kGradeRows) {
        for (std::string_view button : row.buttons) connectMovement(button);
    }
    for (QLineEdit* box : {ui->Text1, ui->Text2}) {
        onFocusIn(box, [box] { box->clear(); });
        returnPresses(box, ui->Command5);
    }
    connect(ui->Command5, &QPushButton::clicked, this, &Movements::onCalculateGradesClicked);
    leadsHome(ui->Command6, this);
}

Movements::~Movements() = default;

void Movements::connectMovement(std::string_view button) {
    auto* control = findChild<QPushButton*>(toQString(button));
    Q_ASSERT(control != nullptr);
    connect(control, &QPushButton::clicked, this, [this, button] { move(button); });
}

void Movements::move(std::string_view button) {
    const movements::Eye eye = ui->Option3->isChecked()   ? movements::Eye::Right
                               : ui->Option4->isChecked() ? movements::Eye::Left
                                                          : movements::Eye::None;
    const auto movement = movements::movementFor(button, eye);
    if (!movement) return;
    placeMm(ui->Image2, movement->pose.od.left, movement->pose.od.top);
    placeMm(ui->Image3, movement->pose.os.left, movement->pose.os.top);
    if (movement->od) ui->Label3->setText(toQString(*movement->od));
    if (movement->os) ui->Label4->setText(toQString(*movement->os));
}

void Movements::onCalculateGradesClicked() {
    struct EyeBoxes {
        QLineEdit* deviation;
        QLabel* grade;
        const char* what;
    };
    // clang-format off
    const std::array<EyeBoxes, 2> eyes = {{
        {ui->Text1, ui->Label5, "vertical deviation OD"},
        {ui->Text2, ui->Label6, "vertical deviation OS"},
    }};
    // clang-format on
    // Each eye is graded on its own: a box that does not hold a whole number
    // is named and leaves its eye's grade as it was.
    QLineEdit* firstRefused = nullptr;
    for (const EyeBoxes& eye : eyes) {
        const WholeReading reading = wholeNumber16(eye.deviation->text().toStdString());
        if (reading.status == WholeReading::Status::Ok) {
            if (const auto grade = grades::overActionGrade(reading.value)) eye.grade->setText(toQString(*grade));
            continue;
        }
        const std::string message = reading.status == WholeReading::Status::OutOfRange
                                        ? outOfRangeMessage(eye.what, "-32768", "32767")
                                        : notANumberMessage(eye.what);
        showMessage(this, QString::fromStdString(message));
        if (firstRefused == nullptr) firstRefused = eye.deviation;
    }
    if (firstRefused != nullptr) firstRefused->setFocus(Qt::OtherFocusReason);
}

}  // namespace ocu
