#pragma once
// How the restrictive screens show what their rules answer: a label's text
// and its background, and the selected option of a frame.

#include <QColor>
#include <QRadioButton>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

class QLabel;
class QWidget;

namespace ocu {

inline constexpr QColor kResultColour{192, 255, 255};
inline constexpr QColor kDifferentialColour{192, 192, 255};

QString fromView(std::string_view text);
// The widget drawn on the given background.
void fillBackground(QWidget* widget, const QColor& colour);
// Writes a rule's answer into a label on the answer's colour; "unchanged"
// leaves the label's text and colour as they are.
void showResult(QLabel* label, std::optional<std::string_view> text, const QColor& colour);

// The finding of the selected option of one frame, or `none` when none is.
template <class Finding>
Finding selected(std::initializer_list<std::pair<const QRadioButton*, Finding>> options, Finding none) {
    for (const auto& [option, finding] : options) {
        if (option->isChecked()) return finding;
    }
    return none;
}

}  // namespace ocu
