#include "shell/rules/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace ocu {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the number that starts at text[0] (sign, digits, one point),
// or 0 when no digit is found.
std::size_t numberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return digits ? i : 0;
}

std::size_t skipBlanks(std::string_view text, std::size_t from) {
    while (from < text.size() && isBlank(text[from])) ++from;
    return from;
}

double parse(std::string_view number) {
    // strtod honours the C locale's decimal point; the program never
    // changes LC_NUMERIC away from "C", but keep this independent of it.
    double value = 0;
    std::string_view body = number;
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Either too large (an infinity) or too small (zero); tell them apart
        // by whether any non-zero digit stands before the point.
        bool large = false;
        for (char c : body) {
            if (c == '.') break;
            if (c != '0') {
                large = true;
                break;
            }
        }
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc{} || ptr != body.data() + body.size()) {
        // "5." and ".5" are numbers to a clinician; from_chars takes both
        // except a lone trailing point, which adds nothing.
        std::string trimmed(body);
        if (!trimmed.empty() && trimmed.back() == '.') trimmed.pop_back();
        auto res = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value, std::chars_format::fixed);
        if (res.ec != std::errc{}) value = 0;
    }
    return negative ? -value : value;
}

}  // namespace

double leadingNumber(std::string_view text) {
    const std::size_t start = skipBlanks(text, 0);
    const std::size_t length = numberLength(text.substr(start));
    if (length == 0) return 0;
    const double value = parse(text.substr(start, length));
    return value == 0 ? 0.0 : value;  // no minus zero
}

std::optional<double> wholeNumber(std::string_view text) {
    const std::size_t start = skipBlanks(text, 0);
    const std::size_t length = numberLength(text.substr(start));
    if (length == 0) return std::nullopt;
    if (skipBlanks(text, start + length) != text.size()) return std::nullopt;
    const double value = parse(text.substr(start, length));
    if (!std::isfinite(value)) return std::nullopt;
    return value == 0 ? 0.0 : value;
}

double roundHalfToEven(double value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; do it by hand to be certain.
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

WholeReading wholeNumber16(std::string_view text) {
    const auto number = wholeNumber(text);
    if (!number) return {WholeReading::Status::NotANumber, 0};
    const double rounded = roundHalfToEven(*number);
    if (rounded < -32768 || rounded > 32767) return {WholeReading::Status::OutOfRange, 0};
    return {WholeReading::Status::Ok, static_cast<int>(rounded)};
}

std::string formatNumber(double value) {
    if (value == 0) return "0";
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    // The digits, rounded to 15 significant ones, as d.dddddddddddddde+XX.
    char buffer[64];
    std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (written.ec != std::errc{}) return "0";
    // Next to the largest double, rounding to 15 digits can step past it, and
    // the text would read back as infinity; write all 17 digits there instead.
    double back = 0;
    if (std::from_chars(buffer, written.ptr, back, std::chars_format::scientific).ec ==
        std::errc::result_out_of_range) {
        written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 16);
        if (written.ec != std::errc{}) return "0";
    }
    char* end = written.ptr;
    std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), exponent);
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (char c : scientific.substr(0, e)) {
        if (isDigit(c)) digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    // Always positional: a text like "1E+20" would read back as 1, so the
    // digits are written out in full with the point where it belongs.
    std::string out = negative ? "-" : "";
    const int pointAt = exponent + 1;  // digits before the point
    if (pointAt <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-pointAt), '0');
        out += digits;
    } else if (static_cast<std::size_t>(pointAt) >= digits.size()) {
        out += digits;
        out.append(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(pointAt));
        out += '.';
        out += digits.substr(static_cast<std::size_t>(pointAt));
    }
    return out;
}

}  // namespace ocu
