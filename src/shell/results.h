#pragma once
// How the screens show what the rules answer: a result written into a label,
// a background painted so that a grab shows exactly its RGB, and the one way
// a rule's text and colour become Qt's.

#include <QColor>
#include <QString>
#include <optional>
#include <string_view>

#include "shell/rules/result.h"

class QLabel;
class QWidget;

namespace ocu {

QString toQString(std::string_view text);
QColor toQColor(Rgb colour);

// The widget drawn on the colour, in every colour group, so that a widget
// disabled later still shows it. A window, frame or label fills itself
// (autoFillBackground on Window); a text box draws its field in Base as well.
// A drop-down draws its field and button itself in Base and Button, as does
// its edit field: filling it would also paint the corners its rounded frame
// leaves to the window behind.
void setBackground(QWidget* widget, const QColor& colour);
inline void setBackground(QWidget* widget, Rgb colour) { setBackground(widget, toQColor(colour)); }
// The colour the widget letters its text in.
void setTextColour(QWidget* widget, const QColor& colour);

// Writes the text and paints the background the result gives, each only
// when it gives one; no result leaves the label as it is.
void writeResult(QLabel* label, const std::optional<Result>& result);

}  // namespace ocu
