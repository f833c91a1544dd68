#pragma once
// Dose-response tables: millimetres of recession or resection on a horizontal
// rectus muscle, and the prism dioptres of deviation they correct. The PD
// texts are kept exactly as the calculator writes them into its cells.

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace ocu::calc {

// The eight dose boxes, in the order of their result cells C3 to C10.
enum class DoseBox { LRrec_R, LRrec_L, MRres_R, MRres_L, LRres_R, LRres_L, MRrec_R, MRrec_L };
inline constexpr int kDoseBoxCount = 8;

struct DoseRow {
    std::string_view item;  // as listed in the drop-down
    std::string_view pd;    // as written into the result cell
};

// Lateral rectus, recession and resection, both eyes.
// clang-format off
inline constexpr std::array<DoseRow, 10> kLateralRectus = {{
    {"0.0 mm", "0"},
    {"4.0 mm", "6.0"},
    {"4.5 mm", "7.5"},
    {"5.0 mm", "10.00"},
    {"5.5 mm", "12.5"},
    {"6.0 mm", "15.0"},
    {"6.5 mm", "17.50"},
    {"7.0 mm", "20.0"},
    {"7.5 mm", "22.5"},
    {"8.0 mm", "25.0"},
}};
// clang-format on

// Medial rectus: the same values in every box, written a little differently
// in a few of them.
struct MedialRow {
    std::string_view item;
    std::string_view recR, recL, resR, resL;  // cmbMRrec_R, cmbMRrec_L, cmbMRres_R, cmbMRres_L
};
// clang-format off
inline constexpr std::array<MedialRow, 8> kMedialRectus = {{
    //  item      MRrec_R  MRrec_L  MRres_R  MRres_L
    {"0.0 mm", "0",     "0",    "0",     "0"},
    {"3.0 mm", "7.5",   "7.5",  "7.5",   "7.5"},
    {"3.5 mm", "10.0",  "10.0", "10.0",  "10.0"},
    {"4.0 mm", "12.5",  "12.5", "12.5",  "12.50"},
    {"4.5 mm", "15.0",  "15.0", "15.0",  "15.0"},
    {"5.0 mm", "17.5",  "17.5", "17.5",  "17.5"},
    {"5.5 mm", "20.0",  "20.0", "20.0",  "20"},
    {"6.0 mm", "25.00", "25.0", "25.00", "25.00"},
}};
// clang-format on

constexpr bool isLateral(DoseBox box) {
    return box == DoseBox::LRrec_R || box == DoseBox::LRrec_L || box == DoseBox::LRres_R || box == DoseBox::LRres_L;
}

// The drop-down's fixed list, top to bottom.
constexpr int itemCount(DoseBox box) {
    return isLateral(box) ? static_cast<int>(kLateralRectus.size()) : static_cast<int>(kMedialRectus.size());
}
constexpr std::string_view item(DoseBox box, int index) {
    return isLateral(box) ? kLateralRectus[static_cast<std::size_t>(index)].item
                          : kMedialRectus[static_cast<std::size_t>(index)].item;
}

// The PD text for the box's shown text; nullopt (the cell is left as it is)
// when the shown text is not exactly one of the box's items.
constexpr std::optional<std::string_view> doseResponse(DoseBox box, std::string_view shown) {
    if (isLateral(box)) {
        for (const DoseRow& row : kLateralRectus) {
            if (row.item == shown) return row.pd;
        }
        return std::nullopt;
    }
    for (const MedialRow& row : kMedialRectus) {
        if (row.item != shown) continue;
        switch (box) {
        case DoseBox::MRrec_R: return row.recR;
        case DoseBox::MRrec_L: return row.recL;
        case DoseBox::MRres_R: return row.resR;
        default: return row.resL;
        }
    }
    return std::nullopt;
}

// The total correction: every cell read as the application reads a number,
// so a cell holding its own name or nothing counts as 0.
double totalCorrection(std::span<const std::string_view> cells);

}  // namespace ocu::calc
