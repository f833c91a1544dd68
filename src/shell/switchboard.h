#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Switchboard;
}

namespace ocu {

// Home: the switchboard from which every work-up, calculator and tutorial opens.
class Switchboard : public QWidget {
    Q_OBJECT
public:
    explicit Switchboard(QWidget* parent = nullptr);
    ~Switchboard() override;

private:
    void leadTo(const char* button, const char* screen);
    std::unique_ptr<Ui::Switchboard> ui;
};

}  // namespace ocu
