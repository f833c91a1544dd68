#pragma once
// A work-up's deviation box: emptied when it gains the focus; when left
// empty it gets "0"; a value above 90 shows the box's own message and puts
// the focus back into the box; text that is not a number shows the
// application's not-a-number message for it and puts the focus back too.

#include <QString>
#include <optional>

class QLineEdit;

namespace ocu {

struct DeviationBoxMessages {
    // The box's message for a value above 90; without one the box has no
    // range check and keeps whatever is typed (only an empty box gets "0").
    std::optional<QString> tooLargeMessage;
    // What the box holds, as the not-a-number message names it
    // ("distance deviations").
    QString what;
};

// A row of a work-up's table of deviation boxes.
struct DeviationBox {
    const char* name;
    const char* tooLarge;  // nullptr: no range check
    const char* what;
};
DeviationBoxMessages messagesOf(const DeviationBox& box);

void watchDeviationBox(QLineEdit* box, const DeviationBoxMessages& design);

// The deviation the box holds as a whole number, or the not-a-number
// message with the focus back in the box and nullopt. An empty box gives
// nullopt with the focus back in it but no second message (see the .cpp).
std::optional<double> deviationOrComplain(QLineEdit* box, const DeviationBoxMessages& design);

}  // namespace ocu
