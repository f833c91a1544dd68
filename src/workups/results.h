#pragma once
// Writing a rule's result into a label: its text, and its background when
// the rule gives one (a background once given stays).

#include <optional>
#include <string_view>

#include "workups/rules/colours.h"

class QLabel;
class QWidget;

namespace ocu {

void setBackground(QWidget* widget, Rgb colour);
void writeResult(QLabel* label, std::string_view text, std::optional<Rgb> background);

}  // namespace ocu
