#include "shell/texts.h"

#include "shell/results.h"

namespace ocu {

QString joinLines(std::span<const std::string_view> lines) {
    QString text;
    for (std::string_view line : lines) {
        text += toQString(line);
        text += QLatin1Char('\n');
    }
    return text;
}

// clang-format off
const std::string_view kTermsTextLines[19] = {
    "Terms & Conditions For Ocuvance Software.",
    "",
    "1. The users are supposed to have sound understanding of ductions, versions and prism bar cover test.",
    "2. We recommend standard prism bar for measuring of deviations.",
    "3. Surgery results of strabismus are not precisely predictable in terms of prism dioptres correction per millimeter of recession or resection.",
    "",
    "4. The dose-response \"Squint Calculator\" derived from retrospective analysis of surgical outcomes and described by different authors.",
    "5. It is often seen that an identical operation, performed by the same surgeon on several patients with apparently similar conditions, may give different results.",
    " 6. In each patient \"Squint Calculator\" may serve as a general guideline. ",
    "",
    "7. The reason for variability of surgical results depends on numerous and only partially known factors. ",
    "(A)The sensory state of the patient, the operative technique, ",
    "(B) The manner in which the muscle is exposed",
    "(C) How thoroughly it is freed, its stiffness,",
    "(D) Whether the check ligaments are severed, ",
    "(E)The placement of sutures, the occurrence of intra- and postoperative bleeding",
    "(F) The tendency to form adhesions and scarring, the state conjunctival elasticity and the anatomical variations of the muscle insertions are some of the factors that may influence the effect of the operation.",
    "8. The Author, distributors are not responsible for any undesirable result due to faulty inputs in this application (Ocuvance) or due to user's surgical techniques.",
    "9. In case of any dispute, the matter will be subjected to jurisdiction of the courts of the place where Ocuvance Clinical Software is registered only.",
};
// clang-format on

// The guidelines for the eso work-up, shown on Inst_Eso.
// clang-format off
const std::string_view kEsoGuidelineLines[26] = {
    "Refractive errors should be corrected optimally. ",
    "Then deviation should be measured with correction (spectacles number) in place by \"Prism Bar Cover Test\".",
    "Amblyopia , if present, it is advisable to treat before surgery.",
    "Step 1.Fill patient related general information ",
    "Step 2.Select an option according to age of onset.",
    "Step 3.Select dominantly fixing eye. In case of free alternate fixation select any eye.",
    "Step 4. Fill best corrected visual acuity, cycloplegic refraction (spherical equivalent), ",
    "           NPA (Near Point of Accommodation) and NPC (Near Point of Convergence).",
    "Step 5. Fill deviation for measured by \"Prism Bar Cover Test\" on following gazes",
    "           Distance Gage (at 6 Meter distance with accommodative target; target size is 20/70 or smaller)",
    "           Near Gaze (at 33 Centimeter with accommodative targets)",
    "           Near Gaze with + 3 D Sph. Lenses in place (at 33 Centimetre with accommodative targets)",
    "           Up Gaze (25 degree up)",
    "           Down Gaze ( 25 degree down)",
    "Then don't forget to press \"Enter\" Button in same box",
    "",
    "Step 6. Obliques actions, if over action are present then also select grades of over action.",
    "",
    "",
    "Step 7. Select any one surgical option.",
    "",
    "Step 8. Press \" GoTo Squint Calculator \" button for calculation and management.",
    "",
    "Step 9. In  squint amount calculator,   some  boxes will be highlighted green, select amount of surgery and press \"Check Result\" button, the eyes in simulator will move towards centre. If amount is not appropriate then select more or less amount then press  \"Check Result\" button .Repeat it again again til lboth eye get centered.This amount is in Milimetres from muscles attachment.",
    "",
    "Note: For infants it is advisable to take measurement from limbus for recession ( For example 5mm of recession of medial rectus  from muscle attachement would be 10.5 mm from limbus) .Slightly undercorrect  the the amount of surgery in infants. ",
};
// clang-format on

// The guidelines for the exo work-up, shown on Inst_Exo.
// clang-format off
const std::string_view kExoGuidelineLines[27] = {
    "Refractive errors should be corrected optimally. ",
    "Then deviation should be measured with correction (spectacles number) in place by \"Prism Bar Cover Test\".",
    "Amblyopia , if present, it is advisable to treat before surgery.",
    "Step 1.Fill patient related general information ",
    "Step 2.Select an option according to age of onset.",
    "Step 3.Select dominantly fixing eye. In case of free alternate fixation select any eye.",
    "Step 4. Fill best corrected visual acuity, cycloplegic refraction (spherical equivalent), ",
    "           NPA (Near Point of Accommodation) and NPC (Near Point of Convergence).",
    "Step 5. Fill deviation for measured by \"Prism Bar Cover Test\" on following gazes",
    "           Distance Gage (at 6 Meter distance with accommodative target; target size is 20/70 or smaller)",
    "           Near Gaze (at 33 Centimeter with accommodative targets",
    "           Up Gaze (25 degree up)",
    "           Down Gaze ( 25 degree down)",
    "After 60 minutes of one eye patch then please enter deviation values in ",
    "           Near Gaze (at 33 Centimeter with accommodative targets)",
    "           Near Gaze with + 3 D Sph. Lenses in place (at 33 Centimetre with accommodative targets)",
    "",
    "Then don't forget to press \"Enter\" Button in same box",
    "",
    "Step 6. Obliques actions, if over action are present then also select grades of over action.",
    "",
    "",
    "Step 7. Select any one surgical option.",
    "",
    "Step 8. Press \" GoTo Squint Calculator \" button for calculation and management.",
    "",
    "Step 9. In  squint amount calculator,   some  boxes will be highlighted green, select amount of surgery and press \"Check Result\" button, the eyes in simulator will move towards centre. If amount is not appropriate then select more or less amount then press  \"Check Result\" button .Repeat it again again til lboth eye get centered.",
};
// clang-format on

// The about page: the application and its makers.
// clang-format off
const std::string_view kAboutTextLines[9] = {
    "Ocuvance",
    "",
    "Ocuvance helps the eye surgeon work up a squint and plan its surgery, step by step: the eso and exo work-ups, the paralytic and restrictive squints, the AC/A ratio and A-V pattern calculators, the three-step test, and the squint amount calculator with its simulated eyes.",
    "",
    "Every amount it proposes comes from published dose-response tables and is a guide only: the surgeon who examines the patient decides the operation.",
    "",
    "Ocuvance is made by Ocuvance Clinical Software, a small team of eye surgeons and software engineers who wanted the tables and rules they use every day in one place.",
    "",
    "Questions and corrections are welcome at www.ocuvance.example",
};
// clang-format on

}  // namespace ocu
