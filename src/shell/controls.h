#pragma once
// What every screen does with its controls: press and select them from
// code, place them in millimetres, react to focus, show a message.

#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

class QAbstractButton;
class QPushButton;
class QRadioButton;
class QWidget;
class QLineEdit;

namespace ocu {

// --- Pressing and selecting from code -------------------------------------
// Runs exactly the reaction a user's click runs, whether or not the control
// is enabled or shown at that moment.
void press(QPushButton* button);
// Selects the option (its frame's other options are deselected) and runs its
// click reaction, whether or not it is enabled or shown.
void select(QRadioButton* option);
// Leaves every option of the frame unselected when this one was selected.
void deselect(QRadioButton* option);
// For a frame of options inside another frame of options. Qt counts the inner
// options into the outer frame's Tab stop, so once an outer option has had
// the focus Tab never reaches the inner ones; a button group of their own
// gives them their own Tab stop. They stay exclusive among themselves only.
void ownTabStop(QWidget* innerFrame);

// --- Text of a box --------------------------------------------------------
// The leading number of a box's text, read as the whole application reads it.
double leadingNumberOf(const QLineEdit* box);

// The whole text of the box as a number; otherwise shows the application's
// not-a-number message naming what the box holds (" Please enter a number
// for distance deviations "), puts the focus back into the box and gives
// nullopt, so that the press that asked changes nothing.
std::optional<double> numberOrComplain(QLineEdit* box, const QString& what);

// --- Millimetres of the client area at 96 pixels per inch ------------------
int mmToPx(double mm);
double pxToMm(int px);
// Places a control; the exact millimetres are kept with it so that a reader
// gets back what was set, not its rounding to whole pixels.
void placeMm(QWidget* widget, double left, double top);
void placeMm(QWidget* widget, double left, double top, double width, double height);
void setLeftMm(QWidget* widget, double left);
void setTopMm(QWidget* widget, double top);
QRectF geometryMm(const QWidget* widget);
// A screen whose client area has a fixed size in millimetres.
void setClientSizeMm(QWidget* screen, double width, double height);
// The form is where a control's designed place lives: the dynamic properties
// leftMm, topMm, widthMm and heightMm of a control, and widthMm and heightMm
// of the screen itself for its client area. Called once after setupUi, this
// places the screen and every control that has any of them; what a control
// leaves out (an iris whose place a rule gives, say) is kept as the form's
// pixels have it.
void placeAsDesigned(QWidget* screen);

// --- Focus ----------------------------------------------------------------
// Reactions to a control gaining or losing the focus within its screen.
// Moving between windows (another screen, a message box) is not a gain or
// loss of focus, so a box keeps its text when its screen is shown again.
void onFocusIn(QWidget* control, std::function<void()> reaction);
void onFocusOut(QWidget* control, std::function<void()> reaction);

// --- Messages ---------------------------------------------------------------
// A modal box titled "Ocuvance" with the text exactly as given and one "OK";
// returns when the user has pressed OK.
void showMessage(QWidget* over, const QString& text);
inline constexpr const char* kMessageTitle = "Ocuvance";

}  // namespace ocu
