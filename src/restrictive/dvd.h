#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class DVD;
}

namespace ocu {

// Surgical treatment of a dissociated vertical deviation, opened over the
// eso work-up.
class DissociatedVertical : public QWidget {
    Q_OBJECT
public:
    explicit DissociatedVertical(QWidget* parent = nullptr);
    ~DissociatedVertical() override;

private:
    void onEnterClicked();
    std::unique_ptr<Ui::DVD> ui;
};

}  // namespace ocu
