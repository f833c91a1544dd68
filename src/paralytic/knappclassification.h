#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class KnappClassification;
}

namespace ocu {

// Knapp's classification: the gaze of maximum hypertropia from the class and the eye.
class KnappClassification : public QWidget {
    Q_OBJECT
public:
    explicit KnappClassification(QWidget* parent = nullptr);
    ~KnappClassification() override;

private:
    void onEnterClicked();
    std::unique_ptr<Ui::KnappClassification> ui;
};

}  // namespace ocu
