#pragma once
// How the paralytic screens write a rule's answer into their result labels
// and read their option groups.

#include <QColor>
#include <QRadioButton>
#include <initializer_list>
#include <optional>
#include <utility>

#include "paralytic/rules/results.h"

class QLabel;

namespace ocu::paralytic {

// A result label paints its own background, so that a grab shows the colour.
void prepareResultLabel(QLabel* label, const QColor& background);
void setBackground(QLabel* label, Rgb colour);
QColor backgroundOf(const QLabel* label);

// Writes the caption, and the background when the change gives one. No
// change leaves the label as it is.
void writeResult(QLabel* label, const std::optional<LabelChange>& change);

// The answer whose option button is selected, or the group's Unanswered.
template <class Answer>
Answer answerOf(std::initializer_list<std::pair<const QRadioButton*, Answer>> options) {
    for (const auto& [option, answer] : options) {
        if (option->isChecked()) return answer;
    }
    return Answer{};
}

}  // namespace ocu::paralytic
