#pragma once

#include <QWidget>
#include <memory>

class QPushButton;

namespace Ui {
class ParalyticMenu;
}

namespace ocu {

// The paralytic squints menu: a step-by-step approach, or the management of one
// cranial nerve palsy; every choice replaces the menu by its screen.
class ParalyticMenu : public QWidget {
    Q_OBJECT
public:
    explicit ParalyticMenu(QWidget* parent = nullptr);
    ~ParalyticMenu() override;

private:
    void leadTo(QPushButton* button, const QString& screen);
    std::unique_ptr<Ui::ParalyticMenu> ui;
};

}  // namespace ocu
