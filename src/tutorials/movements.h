#pragma once

#include <QWidget>
#include <memory>
#include <string_view>

class QLabel;
class QLineEdit;

namespace Ui {
class Movements;
}

namespace ocu {

// The ductions and versions tutorial: buttons move both irises of the drawn
// face and name the acting muscles; a small calculator grades oblique
// over-actions from the vertical deviation in the lateral gazes.
class Movements : public QWidget {
    Q_OBJECT
public:
    explicit Movements(QWidget* parent = nullptr);
    ~Movements() override;

private:
    void connectMovement(std::string_view button);
    void move(std::string_view button);
    void onCalculateGradesClicked();
    std::unique_ptr<Ui::Movements> ui;
};

}  // namespace ocu
