#pragma once
// How the application's boxes behave beyond what Qt gives them by default.

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ocu {

// A drop-down whose text only the program writes besides its listed items:
// the user cannot type over it, and a click anywhere on the box opens the
// list, as on any drop-down. It keeps its text line so that the program can
// show a text that is not an item ("0") and its background is drawn exactly.
void makeChoiceOnly(QComboBox* box);

// A box whose number may be longer than the box shows its beginning, not its
// tail, whenever the program writes it (3.33333333333333 reads "3.333...").
void showsItsStart(QLineEdit* box);

// Return in the box does what leaving it and clicking the button would:
// the box's own reaction to losing the focus runs first, and when it keeps
// the focus in the box (a refused value, with its message) nothing more
// happens; otherwise the button is pressed.
void returnPresses(QLineEdit* box, QPushButton* button);

}  // namespace ocu
