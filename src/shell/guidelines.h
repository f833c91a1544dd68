#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <span>
#include <string_view>

namespace Ui {
class Guidelines;
}

namespace ocu {

// What tells one guideline screen from the other.
struct GuidelineSpec {
    QString name;         // the screen's name
    QString title;        // shown in the banner
    QString backCaption;  // the Back button's caption
    QString workup;       // the work-up the Back button returns to
    std::span<const std::string_view> lines;
};

// A guideline screen: the steps of a work-up in one scrolled text. Left by
// Back it stays open behind its work-up, so it comes back where it was read.
class Guidelines : public QWidget {
    Q_OBJECT
public:
    explicit Guidelines(const GuidelineSpec& design, QWidget* parent = nullptr);
    ~Guidelines() override;

    static GuidelineSpec eso();
    static GuidelineSpec exo();

private:
    std::unique_ptr<Ui::Guidelines> ui;
};

}  // namespace ocu
