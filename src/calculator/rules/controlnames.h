#pragma once
// The amount calculator's screen and the controls the work-ups reach on it by
// name when they hand a patient over. The calculator's form and these names
// must agree; each name is written here only, so that the hand-off rules, the
// code that carries them out and the tests cannot drift apart.

#include <array>

namespace ocu::calc::control {

inline constexpr const char* kScreen = "Squint";

// The non-fixing eye and the way it turns (option buttons).
inline constexpr const char* kEsoOD = "ESO_OD";
inline constexpr const char* kEsoOS = "ESO_OS";
inline constexpr const char* kExoOD = "EXO_OD";
inline constexpr const char* kExoOS = "EXO_OS";

// The deviation box and its Enter, which moves the simulated eye.
inline constexpr const char* kDeviation = "Text1";
inline constexpr const char* kEnter = "enter";

// The patient block (text boxes).
inline constexpr const char* kPatientName = "Text3";
inline constexpr const char* kAge = "Text2";
inline constexpr const char* kSex = "Text6";
inline constexpr const char* kRegistration = "Text7";
inline constexpr const char* kConsultant = "Text8";
inline constexpr const char* kHospital = "Text10";

// The oblique action (option buttons) and its grade.
inline constexpr const char* kObliquesNormal = "Option4";
inline constexpr const char* kInferiorOveraction = "Option5";
inline constexpr const char* kSuperiorOveraction = "Option6";
inline constexpr const char* kBothOveractions = "Option7";
inline constexpr const char* kGrade1 = "Option13";
inline constexpr const char* kGrade2 = "Option14";
inline constexpr const char* kGrade3 = "Option15";
inline constexpr const char* kGrade4 = "Option16";
inline constexpr std::array kGrades = {kGrade1, kGrade2, kGrade3, kGrade4};

// The patterns (option buttons) and the Enter of their frame, which names
// the oblique procedure.
inline constexpr const char* kNoPatternsOption = "Option1";
inline constexpr const char* kAEsoOption = "Option2";
inline constexpr const char* kVEsoOption = "Option3";
inline constexpr const char* kXOption = "Option8";
inline constexpr const char* kDeltaOption = "Option9";
inline constexpr const char* kAExoOption = "Option10";
inline constexpr const char* kVExoOption = "Option11";
inline constexpr const char* kYOption = "Option12";
inline constexpr const char* kPatternsEnter = "Command9";

// The amount procedures and Re-Plan (command buttons).
inline constexpr const char* kBilateralRecession = "Command1";
inline constexpr const char* kRecessResect = "Command2";
inline constexpr const char* kThreeOrFourMuscles = "Command3";
inline constexpr const char* kBilateralResection = "Command13";
inline constexpr const char* kReplan = "Command11";

// The procedure carried over (text box) and the message line (label).
inline constexpr const char* kProcedureText = "Text11";
inline constexpr const char* kMessageLine = "Label5";

// Back to the work-up that handed over (command buttons).
inline constexpr const char* kBackToEso = "Command6";
inline constexpr const char* kBackToExo = "Command7";

// Every name above with the kind of control it must name, so that a test can
// hold them against the calculator's form and against what a hand-off does.
enum class Kind { OptionButton, CommandButton, TextBox, Label };
struct Named {
    const char* name;
    Kind kind;
};
// clang-format off
inline constexpr Named kNamed[] = {
    {kEsoOD, Kind::OptionButton},
    {kEsoOS, Kind::OptionButton},
    {kExoOD, Kind::OptionButton},
    {kExoOS, Kind::OptionButton},
    {kDeviation, Kind::TextBox},
    {kEnter, Kind::CommandButton},
    {kPatientName, Kind::TextBox},
    {kAge, Kind::TextBox},
    {kSex, Kind::TextBox},
    {kRegistration, Kind::TextBox},
    {kConsultant, Kind::TextBox},
    {kHospital, Kind::TextBox},
    {kObliquesNormal, Kind::OptionButton},
    {kInferiorOveraction, Kind::OptionButton},
    {kSuperiorOveraction, Kind::OptionButton},
    {kBothOveractions, Kind::OptionButton},
    {kGrade1, Kind::OptionButton},
    {kGrade2, Kind::OptionButton},
    {kGrade3, Kind::OptionButton},
    {kGrade4, Kind::OptionButton},
    {kNoPatternsOption, Kind::OptionButton},
    {kAEsoOption, Kind::OptionButton},
    {kVEsoOption, Kind::OptionButton},
    {kXOption, Kind::OptionButton},
    {kDeltaOption, Kind::OptionButton},
    {kAExoOption, Kind::OptionButton},
    {kVExoOption, Kind::OptionButton},
    {kYOption, Kind::OptionButton},
    {kPatternsEnter, Kind::CommandButton},
    {kBilateralRecession, Kind::CommandButton},
    {kRecessResect, Kind::CommandButton},
    {kThreeOrFourMuscles, Kind::CommandButton},
    {kBilateralResection, Kind::CommandButton},
    {kReplan, Kind::CommandButton},
    {kProcedureText, Kind::TextBox},
    {kMessageLine, Kind::Label},
    {kBackToEso, Kind::CommandButton},
    {kBackToExo, Kind::CommandButton},
};
// clang-format on

}  // namespace ocu::calc::control
