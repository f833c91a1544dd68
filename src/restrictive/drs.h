#pragma once

#include <QWidget>
#include <memory>

#include "restrictive/rules/duane.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace Ui {
class DRS;
}

namespace ocu {

// Duane's retraction syndrome: each eye typed on its own, with its
// differential diagnosis and operation.
class Duane : public QWidget {
    Q_OBJECT
public:
    explicit Duane(QWidget* parent = nullptr);
    ~Duane() override;

private:
    // One eye's answers and results.
    struct EyeControls {
        Eye eye;
        QRadioButton* abductionNormal;
        QRadioButton* abductionRestricted;
        QRadioButton* adductionNormal;
        QRadioButton* adductionRestricted;
        QRadioButton* narrowingPresent;
        QRadioButton* narrowingAbsent;
        QLabel* type;
        QLabel* differential;
        QLabel* management;
    };
    void onEnterClicked(const EyeControls& eye);
    // Opens Brown, presses one of its buttons (none for its button row only),
    // then closes this screen.
    void openBrown(const char* button);
    std::unique_ptr<Ui::DRS> ui;
};

}  // namespace ocu
