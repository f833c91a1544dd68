#include "restrictive/drs.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "restrictive/results.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_drs.h"

namespace ocu {

Duane::Duane(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::DRS>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QStringLiteral("Form1"), .title = QStringLiteral("Duane's  Retraction Syndrome")});
    setFixedSize(size());
    const QColor empty = palette().color(QPalette::HighlightedText);
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6}) {
        setBackground(label, empty);
    }

    const EyeControls right{Eye::Right,  ui->Option1, ui->Option2, ui->Option3, ui->Option4,
                            ui->Option5, ui->Option6, ui->Label1,  ui->Label3,  ui->Label5};
    const EyeControls left{Eye::Left,    ui->Option21, ui->Option22, ui->Option23, ui->Option24,
                           ui->Option25, ui->Option26, ui->Label2,   ui->Label4,   ui->Label6};
    connect(ui->Command1, &QPushButton::clicked, this, [this, right] { onEnterClicked(right); });
    connect(ui->Command2, &QPushButton::clicked, this, [this, left] { onEnterClicked(left); });

    connect(ui->Command7, &QPushButton::clicked, this, [this] { openBrown("Command2"); });
    connect(ui->Command5, &QPushButton::clicked, this, [this] { openBrown("Command5"); });
    connect(ui->Command4, &QPushButton::clicked, this, [this] { openBrown(nullptr); });
    leadsHome(ui->Command3, this);
}

Duane::~Duane() = default;

void Duane::onEnterClicked(const EyeControls& eye) {
    const DuaneFindings findings{
        .narrowing = selected(
            {{eye.narrowingPresent, ApertureNarrowing::Present}, {eye.narrowingAbsent, ApertureNarrowing::Absent}},
            ApertureNarrowing::Unanswered),
        .adduction = selected({{eye.adductionNormal, Duction::Normal}, {eye.adductionRestricted, Duction::Restricted}},
                              Duction::Unanswered),
        .abduction = selected({{eye.abductionNormal, Duction::Normal}, {eye.abductionRestricted, Duction::Restricted}},
                              Duction::Unanswered),
    };
    if (const std::optional<DuaneDiagnosis> diagnosis = duaneType(findings)) {
        writeResult(eye.type, diagnosis->type);
        writeResult(eye.differential, diagnosis->differential);
    }
    // The operation follows the type as the label shows it now, which may be
    // a type written by an earlier Enter.
    const QByteArray typeShown = eye.type->text().toUtf8();
    writeResult(eye.management, duaneManagement(eye.eye, std::string_view(typeShown.constData(),
                                                                          static_cast<size_t>(typeShown.size()))));
}

void Duane::openBrown(const char* button) {
    Navigator& screens = Navigator::instance();
    QWidget* brown = screens.open(QStringLiteral("Brown"));
    if (brown != nullptr && button != nullptr) {
        if (auto* panelButton = brown->findChild<QPushButton*>(QLatin1String(button))) press(panelButton);
    }
    screens.close(QStringLiteral("DRS"));
}

}  // namespace ocu
