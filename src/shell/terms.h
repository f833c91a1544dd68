#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Terms;
}

namespace ocu {

// The terms the user accepts before reaching Home.
class Terms : public QWidget {
    Q_OBJECT
public:
    explicit Terms(QWidget* parent = nullptr);
    ~Terms() override;

private:
    void onNextClicked();
    std::unique_ptr<Ui::Terms> ui;
};

}  // namespace ocu
