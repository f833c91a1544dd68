// Every control a hand-off reaches on the calculator is one of the names the
// calculator publishes, of a kind that can take what the hand-off does to it,
// and every published name is one a hand-off reaches.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "calculator/rules/controlnames.h"
#include "workups/rules/eso_diagnosis.h"
#include "workups/rules/eso_handoff.h"
#include "workups/rules/exo_diagnosis.h"
#include "workups/rules/exo_handoff.h"
#include "workups/rules/workup.h"

namespace ocu {
namespace {

using calc::control::Kind;
using calc::control::kNamed;
using handoff::Verb;

const calc::control::Named* published(const std::string& control) {
    for (const auto& named : kNamed) {
        if (control == named.name) return &named;
    }
    return nullptr;
}

bool takes(Kind kind, Verb verb) {
    switch (verb) {
    case Verb::Select:
    case Verb::Deselect: return kind == Kind::OptionButton;
    case Verb::Press: return kind == Kind::CommandButton;
    case Verb::SetText:
    case Verb::SetRedBack:
    case Verb::SetCyanBack: return kind == Kind::TextBox || kind == Kind::Label;
    case Verb::Enable:
    case Verb::Disable:
    case Verb::Show:
    case Verb::Hide: return true;
    case Verb::HideWorkup: return false;
    }
    return false;
}

using Visit = std::function<void(const handoff::Plan&)>;

// Every answer a work-up can hand over, in every combination, as far as the
// answers change the plan.
template <class Input, class Oblique, class Hand>
void forEveryInput(std::initializer_list<std::string_view> patterns, std::initializer_list<Oblique> obliques,
                   std::initializer_list<std::string_view> options, const Hand& hand) {
    using workup::ChosenOption;
    using workup::FixatingEye;
    const FixatingEye eyes[] = {FixatingEye::None, FixatingEye::OD, FixatingEye::OS, FixatingEye::AltOD,
                                FixatingEye::AltOS};
    const ChosenOption chosen[] = {ChosenOption::None, ChosenOption::One, ChosenOption::Two};
    Input input;
    input.patient = {"Asha Rao", "6", "F", "R-77", "Dr Mehta", "City Eye Clinic"};
    for (auto eye : eyes) {
        input.fixating = eye;
        for (auto pattern : patterns) {
            input.pattern = pattern;
            for (auto oblique : obliques) {
                input.oblique = oblique;
                for (int grade = 0; grade <= 4; ++grade) {
                    input.grade = grade;
                    for (auto option : chosen) {
                        input.chosen = option;
                        for (auto text : options) {
                            input.chosenText = text;
                            for (const char* larger : {"30", "60"}) {
                                input.largerDeviation = larger;
                                hand(input);
                            }
                        }
                    }
                }
            }
        }
    }
}

void everyEsoPlan(const Visit& visit) {
    using enum workup::ObliqueAnswer;
    forEveryInput<workup::HandoffInput>(
        {eso::kNoPattern, eso::kAPattern, eso::kVPattern, "x"}, {None, Normal, InferiorOveraction, SuperiorOveraction},
        {eso::kBilateralMrRecession, eso::kInfantileRecession, eso::kLrResectionMrRecession, eso::kBilateralLrResection,
         eso::kMrRecessionLrResection, eso::kNonSurgical},
        [&](const workup::HandoffInput& input) { visit(eso::handoffPlan(input)); });
}

void everyExoPlan(const Visit& visit) {
    using enum workup::ObliqueAnswer;
    forEveryInput<workup::HandoffInput>(
        {exo::kNoPattern, exo::kAPattern, exo::kVPattern, exo::kXPattern, exo::kYPattern, exo::kDeltaPattern},
        {None, Normal, InferiorOveraction, SuperiorOveraction, BothOveractions},
        {exo::kLrRecession, exo::kMrResection, exo::kLrRecessionMrResection, exo::kNonSurgical, exo::kDeltaNasalShift},
        [&](const workup::HandoffInput& input) { visit(exo::handoffPlan(input).plan); });
}

struct RoadCase {
    const char* name;
    void (*everyPlan)(const Visit&);
};
void PrintTo(const RoadCase& road, std::ostream* out) { *out << road.name; }
class HandoffControls : public testing::TestWithParam<RoadCase> {};

// One line for each control and verb that is wrong, however many plans share it.
TEST_P(HandoffControls, ArePublishedAndTakeWhatIsDoneToThem) {
    int plans = 0;
    std::set<std::string> wrong;
    GetParam().everyPlan([&](const handoff::Plan& plan) {
        ++plans;
        for (const handoff::Step& step : plan) {
            const std::string verb = std::to_string(static_cast<int>(step.verb));
            if (step.verb == Verb::HideWorkup) {
                if (!step.control.empty()) wrong.insert("the work-up hidden with a control " + step.control);
                continue;
            }
            const calc::control::Named* named = published(step.control);
            if (named == nullptr)
                wrong.insert("unpublished " + step.control);
            else if (!takes(named->kind, step.verb))
                wrong.insert(step.control + " cannot take verb " + verb);
        }
    });
    EXPECT_GT(plans, 0);
    EXPECT_EQ(wrong, std::set<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Roads, HandoffControls,
                         testing::Values(RoadCase{"Eso", everyEsoPlan}, RoadCase{"Exo", everyExoPlan}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PublishedControls, EachIsReachedByAHandoffAndNamedOnce) {
    std::set<std::string> reached;
    const Visit collect = [&](const handoff::Plan& plan) {
        for (const handoff::Step& step : plan) reached.insert(step.control);
    };
    everyEsoPlan(collect);
    everyExoPlan(collect);
    std::set<std::string> names;
    for (const auto& named : kNamed) {
        EXPECT_TRUE(reached.contains(named.name)) << named.name;
        EXPECT_TRUE(names.insert(named.name).second) << named.name << " is published twice";
    }
}

}  // namespace
}  // namespace ocu
