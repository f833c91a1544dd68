#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class About;
}

namespace ocu {

// The about page: what the application is and who made it.
class About : public QWidget {
    Q_OBJECT
public:
    explicit About(QWidget* parent = nullptr);
    ~About() override;

private:
    std::unique_ptr<Ui::About> ui;
};

}  // namespace ocu
