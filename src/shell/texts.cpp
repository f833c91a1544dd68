#include "shell/texts.h"

namespace ocu {

QString joinLines(std::span<const std::string_view> lines) {
    QString text;
    for (std::string_view line : lines) {
        text += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        text += QLatin1Char('\n');
    }
    return text;
}

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

}  // namespace ocu
