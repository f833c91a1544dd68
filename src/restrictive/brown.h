#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Brown;
}

namespace ocu {

// Brown syndrome and double elevator palsy: two reference panels sharing one
// area of the window, and the management of double elevator palsy.
class Brown : public QWidget {
    Q_OBJECT
public:
    explicit Brown(QWidget* parent = nullptr);
    ~Brown() override;

private:
    void showBrownSyndrome();
    void showDoubleElevatorPalsy();
    void onEnterClicked();
    void onResetClicked();
    std::unique_ptr<Ui::Brown> ui;
};

}  // namespace ocu
