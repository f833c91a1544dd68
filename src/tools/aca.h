#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Aca;
}

namespace ocu {

// The AC/A ratio calculator: gradient method, ratio and class. The work-ups
// fill its deviation boxes and type by name before the user presses Calculate.
class Aca : public QWidget {
    Q_OBJECT
public:
    explicit Aca(QWidget* parent = nullptr);
    ~Aca() override;

private:
    void colour();
    void onCalculateClicked();
    std::unique_ptr<Ui::Aca> ui;
};

}  // namespace ocu
