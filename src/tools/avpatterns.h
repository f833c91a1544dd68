#pragma once

#include <QWidget>
#include <memory>

class QLineEdit;

namespace Ui {
class AvPatterns;
}

namespace ocu {

namespace avp {
struct Irises;
}

// The A-V patterns calculator: the pattern of a horizontal deviation from up
// gaze, primary position and down gaze, and the three gazes drawn.
class AvPatterns : public QWidget {
    Q_OBJECT
public:
    explicit AvPatterns(QWidget* parent = nullptr);
    ~AvPatterns() override;

private:
    void onEnterClicked();
    void onResetClicked();
    void placeIrises(const avp::Irises& irises);
    std::unique_ptr<Ui::AvPatterns> ui;
};

}  // namespace ocu
