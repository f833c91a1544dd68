#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class SixthNerveManagement;
}

namespace ocu {

// Management of a sixth nerve palsy from its course and severity.
class SixthNerveManagement : public QWidget {
    Q_OBJECT
public:
    explicit SixthNerveManagement(QWidget* parent = nullptr);
    ~SixthNerveManagement() override;

private:
    void onManagementClicked();
    std::unique_ptr<Ui::SixthNerveManagement> ui;
};

}  // namespace ocu
