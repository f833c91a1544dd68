#pragma once
// The vocabulary every paralytic-squint table is written in: conditions on
// one answer, what a row does to a result label, and first-match lookup.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "shell/rules/result.h"

namespace ocu::paralytic {

// The background a row gives a label it writes.
enum class Paint { Keep, Result, Differential };

constexpr std::optional<Rgb> colourOf(Paint paint) {
    switch (paint) {
    case Paint::Result: return kResultColour;
    case Paint::Differential: return kDifferentialColour;
    case Paint::Keep: break;
    }
    return std::nullopt;
}

// A caption the clinical tables give as two pieces run together.
struct Caption {
    std::string_view head;
    std::string_view tail = {};
    std::string joined() const { return std::string(head).append(tail); }
};

// A row's effect on one label: leave it alone, or write a caption in a paint.
struct Write {
    bool writes = false;
    Caption caption = {};
    Paint paint = Paint::Keep;

    std::optional<Result> change() const {
        if (!writes) return std::nullopt;
        return Result{caption.joined(), colourOf(paint)};
    }
};

inline constexpr Write kUnchanged{};
constexpr Write write(std::string_view text, Paint paint) { return {true, {text}, paint}; }
constexpr Write write(std::string_view head, std::string_view tail, Paint paint) { return {true, {head, tail}, paint}; }

// A condition on one answer of an option group: any answer (also none),
// exactly this answer, or anything but this answer (also none).
struct AnyAnswer {};
inline constexpr AnyAnswer any{};

template <class Answer>
class When {
public:
    constexpr When(AnyAnswer) : kind_(Kind::Any), answer_{} {}
    constexpr When(Answer answer) : kind_(Kind::Is), answer_(answer) {}
    static constexpr When allBut(Answer answer) { return When(Kind::IsNot, answer); }

    constexpr bool holds(Answer given) const {
        switch (kind_) {
        case Kind::Is: return given == answer_;
        case Kind::IsNot: return given != answer_;
        case Kind::Any: break;
        }
        return true;
    }

private:
    enum class Kind { Any, Is, IsNot };
    constexpr When(Kind kind, Answer answer) : kind_(kind), answer_(answer) {}
    Kind kind_;
    Answer answer_;
};

// The first row that holds, or nullptr when none does.
template <class Row, std::size_t N, class Holds>
constexpr const Row* firstMatch(const Row (&rows)[N], Holds holds) {
    for (const Row& row : rows) {
        if (holds(row)) return &row;
    }
    return nullptr;
}

}  // namespace ocu::paralytic
