#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Welcome;
}

namespace ocu {

// The screen the run begins on.
class Welcome : public QWidget {
    Q_OBJECT
public:
    explicit Welcome(QWidget* parent = nullptr);
    ~Welcome() override;

private:
    std::unique_ptr<Ui::Welcome> ui;
};

}  // namespace ocu
