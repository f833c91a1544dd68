#include "print/rules/recordname.h"

#include <cstdio>

namespace ocu::record {
namespace {

// Most file systems hold 255 bytes a name; the patient's part gets this many
// of them, which leaves room for the screen's name, the date and the suffix.
constexpr std::size_t kMaxPatientBytes = 120;

bool isForbidden(unsigned char c) {
    static constexpr std::string_view kForbidden = "/\\:*?\"<>|";
    return c < 0x20 || c == 0x7f || kForbidden.find(static_cast<char>(c)) != std::string_view::npos;
}

// The length of the UTF-8 sequence that starts with this byte (1 for a
// stray continuation byte, so that it is kept as it is).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xf0) return 4;
    if (lead >= 0xe0) return 3;
    if (lead >= 0xc0) return 2;
    return 1;
}

// Blanks and control characters at either end are no part of a name.
bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7f; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string fileNamePart(std::string_view name) {
    const std::string_view text = trimmed(name);
    std::string part;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = sequenceLength(lead);
        if (i + length > text.size()) length = text.size() - i;
        // U+0080 to U+009F, the second set of control characters, are C2 80 to C2 9F.
        const bool c1Control = length == 2 && lead == 0xc2 && static_cast<unsigned char>(text[i + 1]) <= 0x9f;
        if (part.size() + length > kMaxPatientBytes) break;
        if ((length == 1 && isForbidden(lead)) || c1Control) {
            part += '_';
        } else {
            part.append(text.substr(i, length));
        }
        i += length;
    }
    // Cut short, the name may end in a blank; a name of nothing but replaced
    // characters names nobody.
    const std::string_view kept = trimmed(part);
    if (kept.find_first_not_of('_') == std::string_view::npos) return {};
    return std::string(kept);
}

std::string recordFileName(std::string_view screen, std::string_view patient, Date date) {
    char day[16];
    std::snprintf(day, sizeof day, "%04d-%02d-%02d", date.year, date.month, date.day);
    std::string name(screen);
    const std::string who = fileNamePart(patient);
    if (!who.empty()) name += " - " + who;
    name += " - ";
    name += day;
    name += ".pdf";
    return name;
}

std::string withPdfSuffix(std::string_view path) {
    static constexpr std::string_view kSuffix = ".pdf";
    if (path.size() >= kSuffix.size()) {
        const std::string_view end = path.substr(path.size() - kSuffix.size());
        bool same = true;
        for (std::size_t i = 0; i < kSuffix.size(); ++i) {
            const char c = end[i] >= 'A' && end[i] <= 'Z' ? static_cast<char>(end[i] - 'A' + 'a') : end[i];
            same = same && c == kSuffix[i];
        }
        if (same) return std::string(path);
    }
    return std::string(path) + std::string(kSuffix);
}

}  // namespace ocu::record
