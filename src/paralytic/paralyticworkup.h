#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class ParalyticWorkup;
}

namespace ocu {

// The paralytic squint work-up: findings of both eyes and the gazes give a
// provisional and a differential diagnosis per eye and a supranuclear one.
class ParalyticWorkup : public QWidget {
    Q_OBJECT
public:
    explicit ParalyticWorkup(QWidget* parent = nullptr);
    ~ParalyticWorkup() override;

private:
    void onEnterClicked();
    void onResetClicked();
    std::unique_ptr<Ui::ParalyticWorkup> ui;
};

}  // namespace ocu
