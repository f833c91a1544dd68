#pragma once
// A hand-off plan as text, a step a line ("press Command1", "text Text11 = ..."),
// so that a row's expectation reads like the clinical table; the lines name the
// calculator's controls through calc::control, as the rules do.

#include <string>
#include <vector>

#include "calculator/rules/controlnames.h"
#include "workups/rules/handoff_plan.h"

namespace ocu::handoff::plan_lines {

using Lines = std::vector<std::string>;

inline std::string line(Verb verb, const std::string& control) {
    static const char* verbs[] = {"select", "deselect", "press", "enable", "disable",     "show",
                                  "hide",   "text",     "red",   "cyan",   "hide work-up"};
    std::string out = verbs[static_cast<int>(verb)];
    if (!control.empty()) out += " " + control;
    return out;
}

inline Lines lines(const Plan& plan) {
    Lines out;
    for (const Step& step : plan) {
        std::string text = line(step.verb, step.control);
        if (step.verb == Verb::SetText) text += " = " + step.text;
        out.push_back(text);
    }
    return out;
}

inline std::string select(const char* control) { return line(Verb::Select, control); }
inline std::string deselect(const char* control) { return line(Verb::Deselect, control); }
inline std::string press(const char* control) { return line(Verb::Press, control); }
inline std::string enable(const char* control) { return line(Verb::Enable, control); }
inline std::string disable(const char* control) { return line(Verb::Disable, control); }
inline std::string show(const char* control) { return line(Verb::Show, control); }
inline std::string hide(const char* control) { return line(Verb::Hide, control); }
inline std::string text(const char* control, const std::string& written) {
    return line(Verb::SetText, control) + " = " + written;
}
inline std::string red(const char* control) { return line(Verb::SetRedBack, control); }
inline std::string cyan(const char* control) { return line(Verb::SetCyanBack, control); }

}  // namespace ocu::handoff::plan_lines
