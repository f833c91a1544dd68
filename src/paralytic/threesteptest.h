#pragma once

#include <QWidget>
#include <memory>

#include "paralytic/rules/parks.h"

namespace Ui {
class ThreeStepTest;
}

namespace ocu {

// The Parks three-step test: each step's Enter names the muscles that may be weak.
class ThreeStepTest : public QWidget {
    Q_OBJECT
public:
    explicit ThreeStepTest(QWidget* parent = nullptr);
    ~ThreeStepTest() override;

private:
    void onStep1Entered();
    void onStep2Entered();
    void onStep3Entered();
    paralytic::ThreeStepAnswers answers() const;
    std::unique_ptr<Ui::ThreeStepTest> ui;
};

}  // namespace ocu
