#pragma once
// A hand-off from a work-up to the amount calculator, written as the list of
// things to do to the calculator's controls, by control name, in order.
// The work-up rules build the list; the screen side only carries it out.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "calculator/rules/controlnames.h"

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

// A row of a hand-off table: the things one answer does to the calculator,
// held by value so that the tables are plain constant data.
struct Action {
    Verb verb = Verb::Press;
    const char* control = "";
};
struct Actions {
    constexpr Actions(std::initializer_list<Action> actions) {
        for (const Action& action : actions) list[size++] = action;
    }
    // What `first` does, then more.
    constexpr Actions(const Actions& first, std::initializer_list<Action> then) : Actions(first) {
        for (const Action& action : then) list[size++] = action;
    }
    std::array<Action, 10> list{};
    std::size_t size = 0;
};

// The oblique action as either work-up hands it over: the answer given is
// selected and enabled, the others are disabled.
namespace oblique {
using enum Verb;
using namespace calc::control;
inline constexpr Actions kNormal{{Select, kObliquesNormal},
                                 {Enable, kObliquesNormal},
                                 {Disable, kInferiorOveraction},
                                 {Disable, kSuperiorOveraction},
                                 {Disable, kBothOveractions}};
inline constexpr Actions kInferior{{Disable, kObliquesNormal},
                                   {Select, kInferiorOveraction},
                                   {Enable, kInferiorOveraction},
                                   {Disable, kSuperiorOveraction},
                                   {Disable, kBothOveractions}};
inline constexpr Actions kSuperior{{Disable, kObliquesNormal},
                                   {Disable, kInferiorOveraction},
                                   {Select, kSuperiorOveraction},
                                   {Enable, kSuperiorOveraction},
                                   {Disable, kBothOveractions}};
}  // namespace oblique

inline void append(Plan& plan, const Actions& actions) {
    for (std::size_t i = 0; i < actions.size; ++i) {
        plan.push_back({actions.list[i].verb, actions.list[i].control, {}});
    }
}

// The patient information block of a work-up.
struct Patient {
    std::string name, age, sex, registration, consultant, hospital;
};

// The deviation and the patient, written into the calculator's boxes (the
// calculator keeps its own date and time).
inline void appendDeviationAndPatient(Plan& plan, const std::string& deviation, const Patient& patient) {
    using namespace calc::control;
    plan.push_back({Verb::SetText, kDeviation, deviation});
    plan.push_back({Verb::SetText, kPatientName, patient.name});
    plan.push_back({Verb::SetText, kAge, patient.age});
    plan.push_back({Verb::SetText, kSex, patient.sex});
    plan.push_back({Verb::SetText, kRegistration, patient.registration});
    plan.push_back({Verb::SetText, kConsultant, patient.consultant});
    plan.push_back({Verb::SetText, kHospital, patient.hospital});
}

}  // namespace ocu::handoff
