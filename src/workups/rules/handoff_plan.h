#pragma once
// A hand-off from a work-up to the amount calculator, written as the list of
// things to do to the calculator's controls, by control name, in order.
// The work-up rules build the list; the screen side only carries it out.

#include <string>
#include <vector>

namespace ocu::handoff {

enum class Verb {
    Select,    // option button: make it the selected one and run its reaction
    Deselect,  // option button: leave its frame with nothing selected
    Press,     // command button: run its click reaction
    Enable,
    Disable,
    Show,
    Hide,
    SetText,      // text box or label: replace its text
    SetRedBack,   // background red, RGB (255, 0, 0)
    SetCyanBack,  // background light cyan, RGB (192, 255, 255)
    HideWorkup,   // the work-up that hands off is hidden (it stays open)
};

struct Step {
    Verb verb;
    std::string control;  // objectName on the calculator
    std::string text;     // for SetText only
};

using Plan = std::vector<Step>;

}  // namespace ocu::handoff
