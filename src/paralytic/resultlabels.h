#pragma once
// How the paralytic screens prepare their result labels and read their
// option groups.

#include <QColor>
#include <QRadioButton>
#include <initializer_list>
#include <utility>

#include "shell/results.h"

class QLabel;

namespace ocu::paralytic {

// A result label paints its own background, so that a grab shows the colour.
void prepareResultLabel(QLabel* label, const QColor& background);

// The answer whose option button is selected, or the group's Unanswered.
template <class Answer>
Answer answerOf(std::initializer_list<std::pair<const QRadioButton*, Answer>> options) {
    for (const auto& [option, answer] : options) {
        if (option->isChecked()) return answer;
    }
    return Answer{};
}

}  // namespace ocu::paralytic
