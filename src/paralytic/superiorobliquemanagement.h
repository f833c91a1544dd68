#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class SuperiorObliqueManagement;
}

namespace ocu {

// Surgery for a superior oblique palsy, planned from the hypertropia,
// cyclotropia and traction test, or from Knapp's class.
class SuperiorObliqueManagement : public QWidget {
    Q_OBJECT
public:
    explicit SuperiorObliqueManagement(QWidget* parent = nullptr);
    ~SuperiorObliqueManagement() override;

private:
    void onHypertropiaEnterClicked();
    void onResetClicked();
    void onKnappEnterClicked();
    std::unique_ptr<Ui::SuperiorObliqueManagement> ui;
};

}  // namespace ocu
