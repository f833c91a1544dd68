#pragma once
// How the restrictive screens read their frames and show what their rules
// answer.

#include <QRadioButton>
#include <initializer_list>
#include <utility>

#include "shell/results.h"

namespace ocu {

// The finding of the selected option of one frame, or `none` when none is.
template <class Finding>
Finding selected(std::initializer_list<std::pair<const QRadioButton*, Finding>> options, Finding none) {
    for (const auto& [option, finding] : options) {
        if (option->isChecked()) return finding;
    }
    return none;
}

}  // namespace ocu
