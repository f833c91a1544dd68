#include "paralytic/rules/superioroblique.h"

namespace ocu::paralytic {
namespace {

constexpr Paint Coloured = Paint::Result;
constexpr Paint Keep = Paint::Keep;

// --- From the hypertropia, cyclotropia and traction test --------------------

constexpr HigherEye ROverL = HigherEye::RightOverLeft;
constexpr HigherEye LOverR = HigherEye::LeftOverRight;
constexpr PrimaryHypertropia Below15 = PrimaryHypertropia::Under15;
constexpr PrimaryHypertropia Above15 = PrimaryHypertropia::Over15;
constexpr Cyclotropia Cyclo10 = Cyclotropia::Under10;
constexpr Cyclotropia Cyclo15 = Cyclotropia::Over15;
constexpr TractionTest Tight = TractionTest::Tight;
constexpr TractionTest NotTight = TractionTest::NotTight;

struct HypertropiaRow {
    When<HigherEye> higher;
    When<PrimaryHypertropia> amount;
    When<Cyclotropia> cyclotropia;
    When<TractionTest> traction;
    Write surgery;
};

// Rows 1 to 4 ignore the traction test, rows 5 to 8 the cyclotropia.
// clang-format off
constexpr HypertropiaRow kHypertropiaRows[] = {
    /*1*/ {ROverL, Below15, Cyclo10, any, write("Right Inferior Oblique Recession ", Coloured)},
    /*2*/ {ROverL, Below15, Cyclo15, any, write("Right Sup.Oblique Tuck +- Left Inf.Rectus Recession ", Coloured)},
    /*3*/ {LOverR, Below15, Cyclo10, any, write("Left Inferior Oblique Recession ", Coloured)},
    /*4*/ {LOverR, Below15, Cyclo15, any, write("Left Sup.Oblique Tuck +- Right Inf.Rectus Recession ", Coloured)},
    /*5*/ {ROverL, Above15, any, Tight, write(" Right Inf.Oblique Recession With Right Sup.Rectus Recession  ", Coloured)},
    /*6*/ {LOverR, Above15, any, Tight, write(" Left Inf.Oblique Recession With Left Sup.Rectus Recession  ", Coloured)},
    /*7*/ {ROverL, Above15, any, NotTight, write(" Right+Left Inf.Recession ", Keep)},
    /*8*/ {LOverR, Above15, any, NotTight, write("Left +Right Inf.Recession ", Coloured)},
};
// clang-format on

// --- From Knapp's class ----------------------------------------------------

constexpr Side Right = Side::Right;
constexpr Side Left = Side::Left;
constexpr KnappHypertropia Less = KnappHypertropia::LessThan25;
constexpr KnappHypertropia More = KnappHypertropia::MoreThan25;

constexpr std::string_view kMaximumIn = "Maximum Hypertopia In ";

// Gaze texts as both Knapp tables give them.
constexpr std::string_view kLevoElevation = "Levo Elevation";
constexpr std::string_view kLevoDepression = "Levo Depression ";
constexpr std::string_view kAllLevo = " All Levo Positions";
constexpr std::string_view kAllLevoAndDown = " All Levo Positions + All Down Gazes";
constexpr std::string_view kAllDown = " All Down Gazes";
constexpr std::string_view kBilateralV = " Bilateral with V Patterns";
constexpr std::string_view kDextoElevation = "Dexto Elevation";
constexpr std::string_view kDextroDepression = "Dextro Depression ";
constexpr std::string_view kAllDexto = " All Dexto Positions";
constexpr std::string_view kAllDextroAndDown = " All Dextro Positions + All Down Gazes";
constexpr std::string_view kLeftClass7 = " All Down Gaze + Dextro Version + Primay Position";

struct KnappSurgeryRow {
    Side side;
    int knappClass;
    When<KnappHypertropia> amount;
    std::string_view management;
    std::string_view gaze;
};

// Both labels are coloured in every row. Classes 5 and 6 with more than
// 25 D match no row.
// clang-format off
constexpr KnappSurgeryRow kKnappSurgeryRows[] = {
    /* 1*/ {Right, 1, any, "Right Inf. Oblique Recession", kLevoElevation},
    /* 2*/ {Right, 2, any, "Right Sup. Oblique Tuck+ Left Inf. Rectus Recession", kLevoDepression},
    /* 3*/ {Right, 3, Less, "Right Inf Oblique  Recession", kAllLevo},
    /* 4*/ {Right, 3, More, "Right Inf Oblique  Recession + Right Sup. Oblique Tuck ", kAllLevo},
    /* 5*/ {Right, 4, Less, "Right Inf Oblique  Recession+ (Left Inf. Rectus Recession Or Right Sup. Rectus Recession )", kAllLevoAndDown},
    /* 6*/ {Right, 4, More, "Right Inf Oblique  Recession + Right Sup. Oblique Tuck + (Left Inf. Rectus Recession Or Right Sup. Rectus Recession )", kAllLevoAndDown},
    /* 7*/ {Right, 5, Less, "Right Sup. Oblique Tuck+ Left Inf. Rectus Recession", kAllDown},
    /* 8*/ {Right, 6, Less, "Right Sup. Oblique Tuck+ Left Sup. Oblique Tuck+Left Inf. Rectus Recession+ Right Inf. Rectus Recession", kBilateralV},
    /* 9*/ {Right, 7, any, " Explore Rt Trochlea", " All Down Gaze + levo Version + Primay Position"},
    /*10*/ {Left, 1, any, "Left Inf. Oblique Recession", kDextoElevation},
    /*11*/ {Left, 2, any, "Left Sup. Oblique Tuck+ Right Inf. Rectus Recession", kDextroDepression},
    /*12*/ {Left, 3, Less, "Left Inf Oblique  Recession", kAllDexto},
    /*13*/ {Left, 3, More, "Left Inf Oblique  Recession + Left Sup. Oblique Tuck ", kAllDexto},
    /*14*/ {Left, 4, Less, "Left Inf Oblique  Recession+ (Right Inf. Rectus Recession Or Left Sup. Rectus Recession )", kAllDextroAndDown},
    /*15*/ {Left, 4, More, "Left Inf Oblique  Recession + Left Sup. Oblique Tuck + (Right Inf. Rectus Recession Or Left Sup. Rectus Recession )", kAllDextroAndDown},
    /*16*/ {Left, 5, Less, "Left Sup. Oblique Tuck+ Right Inf. Rectus Recession", kAllDown},
    /*17*/ {Left, 6, Less, "Right Sup. Oblique Tuck+ Left Sup. Oblique Tuck+Left Inf. Rectus Recession+ Right Inf. Rectus Recession", kBilateralV},
    /*18*/ {Left, 7, any, " Explore Left Trochlea", kLeftClass7},
};
// clang-format on

struct KnappGazeRow {
    Side side;
    int knappClass;
    std::string_view gaze;
    Paint paint;
};

// Class 4 right leaves the label's colour as it is.
// clang-format off
constexpr KnappGazeRow kKnappGazeRows[] = {
    {Right, 1, kLevoElevation, Coloured},
    {Right, 2, kLevoDepression, Coloured},
    {Right, 3, kAllLevo, Coloured},
    {Right, 4, kAllLevoAndDown, Keep},
    {Right, 5, kAllDown, Coloured},
    {Right, 6, kBilateralV, Coloured},
    {Right, 7, " All Down Gaze + Levo Version + Primay Position", Coloured},
    {Left, 1, kDextoElevation, Coloured},
    {Left, 2, kDextroDepression, Coloured},
    {Left, 3, kAllDexto, Coloured},
    {Left, 4, kAllDextroAndDown, Coloured},
    {Left, 5, kAllDown, Coloured},
    {Left, 6, kBilateralV, Coloured},
    {Left, 7, kLeftClass7, Coloured},
};
// clang-format on

std::string maximumIn(std::string_view gaze) { return std::string(kMaximumIn).append(gaze); }

}  // namespace

std::optional<Result> hypertropiaSurgery(const HypertropiaFindings& f) {
    const HypertropiaRow* row = firstMatch(kHypertropiaRows, [&](const HypertropiaRow& r) {
        return r.higher.holds(f.higher) && r.amount.holds(f.amount) && r.cyclotropia.holds(f.cyclotropia) &&
               r.traction.holds(f.traction);
    });
    if (row == nullptr) return std::nullopt;
    return row->surgery.change();
}

std::optional<KnappPlan> knappSurgery(const KnappFindings& f) {
    const KnappSurgeryRow* row = firstMatch(kKnappSurgeryRows, [&](const KnappSurgeryRow& r) {
        return r.side == f.side && r.knappClass == f.knappClass && r.amount.holds(f.amount);
    });
    if (row == nullptr) return std::nullopt;
    return KnappPlan{{std::string(row->management), kResultColour}, {maximumIn(row->gaze), kResultColour}};
}

std::optional<Result> knappGaze(Side side, int knappClass) {
    const KnappGazeRow* row =
        firstMatch(kKnappGazeRows, [&](const KnappGazeRow& r) { return r.side == side && r.knappClass == knappClass; });
    if (row == nullptr) return std::nullopt;
    return Result{maximumIn(row->gaze), colourOf(row->paint)};
}

}  // namespace ocu::paralytic
