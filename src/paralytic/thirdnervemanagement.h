#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class ThirdNerveManagement;
}

namespace ocu {

// Management of a third nerve palsy; steps 4 and 5 appear only when the
// earlier answers make them relevant, and hidden answers still count.
class ThirdNerveManagement : public QWidget {
    Q_OBJECT
public:
    explicit ThirdNerveManagement(QWidget* parent = nullptr);
    ~ThirdNerveManagement() override;

private:
    void onEnterClicked();
    std::unique_ptr<Ui::ThirdNerveManagement> ui;
};

}  // namespace ocu
