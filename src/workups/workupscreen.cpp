#include "workups/workupscreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculator/rules/controlnames.h"
#include "shell/boxes.h"
#include "shell/controls.h"
#include "shell/eyecolumns.h"
#include "shell/navigator.h"
#include "shell/printrequest.h"
#include "shell/results.h"
#include "workups/irisrows.h"
#include "workups/patientblock.h"
#include "workups/rules/deviations.h"

namespace ocu {
namespace {

// Both forms name these alike: the deviation boxes, the larger-deviation box
// and the simulator's irises, up, primary and down gaze.
constexpr const char* kDistance = "D";
constexpr const char* kNear = "N";
constexpr const char* kNearPlus3 = "N3";
constexpr const char* kUp = "UP";
constexpr const char* kDown = "DN";
constexpr const char* kLargerDeviation = "D1";
constexpr IrisNames kIrises{{{"Image4", "Image5"}, {"Image6", "Image7"}, {"Image8", "Image9"}}};

constexpr const char* kAcaScreen = "ACA";

constexpr workup::FixatingEye kFixatingEyes[] = {workup::FixatingEye::OD, workup::FixatingEye::OS,
                                                 workup::FixatingEye::AltOD, workup::FixatingEye::AltOS};

QString shownText(const QWidget* control) {
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return {};
}

}  // namespace

WorkupScreen::WorkupScreen(const WorkupDesign& design, QWidget* parent) : QWidget(parent), design_(design) {}

WorkupScreen::~WorkupScreen() = default;

template <class Control>
Control* WorkupScreen::control(const char* name) const {
    auto* found = findChild<Control*>(QLatin1String(name));
    Q_ASSERT_X(found != nullptr, "WorkupScreen", name);
    return found;
}

void WorkupScreen::setUpBody() {
    placeAsDesigned(this);
    headEyeColumns(this);
    frameScreen(this, design_.frame);
    setBackground(this, kWhite);
    // Kept as a field of the screen; it is not for entry.
    control<QLineEdit>(kLargerDeviation)->hide();

    // The irises stand where the simulator's rule puts them at rest; the form
    // gives only their size.
    placeIrisesAtRest();
    setUpPatientBlock(this);
    connectDeviationBoxes();
    connectObliqueActions();
    connectButtons();
}

void WorkupScreen::connectDeviationBoxes() {
    auto* enter = control<QPushButton>(design_.enter);
    for (const DeviationBox& box : design_.deviationBoxes) {
        auto* deviation = control<QLineEdit>(box.name);
        watchDeviationBox(deviation, messagesOf(box));
        // "Please press enter after filling deviations": Return does so.
        returnPresses(deviation, enter);
    }
}

void WorkupScreen::connectObliqueActions() {
    auto* grades = control<QWidget>(design_.grades);
    for (const ObliqueOption& answer : design_.obliqueOptions) {
        auto* option = control<QRadioButton>(answer.name);
        const bool shown = answer.showsGrades;
        connect(option, &QRadioButton::clicked, this, [option, grades, shown] {
            if (option->isChecked()) grades->setVisible(shown);
        });
    }
}

void WorkupScreen::connectButtons() {
    connect(control<QPushButton>(design_.enter), &QPushButton::clicked, this, &WorkupScreen::onEnterClicked);
    connect(control<QPushButton>(design_.reset), &QPushButton::clicked, this, &WorkupScreen::onResetClicked);
    for (const HelpLink& link : design_.help) leadsTo(control<QPushButton>(link.button), QLatin1String(link.screen));
    leadsTo(control<QPushButton>(design_.acaCalculator), QLatin1String(kAcaScreen), [this] { fillAcaCalculator(); });
    leadsTo(control<QPushButton>(design_.print), QString::fromLatin1(kPrintScreen),
            [screen = objectName()] { requestPrint(screen); });
    leadsHome(control<QPushButton>(design_.home), this);
    // The calculator opens already planned.
    leadsTo(control<QPushButton>(design_.handOff), QLatin1String(calc::control::kScreen),
            [this] { handOff(handoffInput()); });
}

std::optional<std::vector<double>> WorkupScreen::readDeviations() {
    std::vector<double> values;
    for (const DeviationBox& box : design_.deviationBoxes) {
        const std::optional<double> value = deviationOrComplain(control<QLineEdit>(box.name), messagesOf(box));
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

void WorkupScreen::onEnterClicked() {
    if (const std::optional<std::vector<double>> deviations = readDeviations()) showDiagnosis(*deviations);
}

double WorkupScreen::showLargerDeviation(double distance, double nearGaze) {
    const bool nearIsLarger = workup::largerDeviation(distance, nearGaze) == workup::LargerBox::Near;
    control<QLineEdit>(kLargerDeviation)->setText(control<QLineEdit>(nearIsLarger ? kNear : kDistance)->text());
    return nearIsLarger ? nearGaze : distance;
}

void WorkupScreen::moveIrises() {
    ocu::moveIrises(this, kIrises, design_.irisBase,
                    {leadingNumberOf(control<QLineEdit>(kUp)), leadingNumberOf(control<QLineEdit>(kDistance)),
                     leadingNumberOf(control<QLineEdit>(kDown))},
                    design_.irisShift);
}

void WorkupScreen::placeIrisesAtRest() { placeIrisesAtBase(this, kIrises, design_.irisBase); }

void WorkupScreen::onResetClicked() {
    for (const DeviationBox& box : design_.deviationBoxes) control<QLineEdit>(box.name)->setText(QStringLiteral("0"));
    for (const char* result : design_.results) control<QLabel>(result)->clear();
    resetRest();
}

void WorkupScreen::fillAcaCalculator() {
    if (!readyForAcaCalculator()) return;
    QWidget* aca = Navigator::instance().open(QLatin1String(kAcaScreen));
    if (aca == nullptr) return;
    auto* nearGaze = aca->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* nearPlus3 = aca->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* deviationType = aca->findChild<QRadioButton*>(QLatin1String(design_.acaDeviationType));
    if (nearGaze != nullptr) nearGaze->setText(control<QLineEdit>(kNear)->text());
    if (nearPlus3 != nullptr) nearPlus3->setText(control<QLineEdit>(kNearPlus3)->text());
    if (deviationType != nullptr) select(deviationType);
}

workup::HandoffInput WorkupScreen::handoffInput() const {
    workup::HandoffInput input;
    for (std::size_t i = 0; i < design_.fixatingEye.size(); ++i) {
        if (control<QRadioButton>(design_.fixatingEye[i])->isChecked()) {
            input.fixating = kFixatingEyes[i];
            break;
        }
    }
    input.pattern = shownText(control<QWidget>(design_.pattern)).toStdString();
    // A button counts as chosen when it is selected, shown or not.
    for (const ObliqueOption& answer : design_.obliqueOptions) {
        if (control<QRadioButton>(answer.name)->isChecked()) {
            input.oblique = answer.answer;
            break;
        }
    }
    for (std::size_t i = 0; i < design_.gradeOptions.size(); ++i) {
        if (control<QRadioButton>(design_.gradeOptions[i])->isChecked()) input.grade = static_cast<int>(i) + 1;
    }
    constexpr workup::ChosenOption kChosen[] = {workup::ChosenOption::One, workup::ChosenOption::Two};
    for (std::size_t i = 0; i < design_.surgicalOptions.size(); ++i) {
        const SurgicalOption& option = design_.surgicalOptions[i];
        if (control<QRadioButton>(option.option)->isChecked()) {
            input.chosen = kChosen[i];
            input.chosenText = control<QLabel>(option.label)->text().toStdString();
            break;
        }
    }
    input.largerDeviation = control<QLineEdit>(kLargerDeviation)->text().toStdString();
    input.patient = patientOf(this);
    return input;
}

}  // namespace ocu
