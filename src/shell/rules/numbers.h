#pragma once
// Reading and writing the numbers that screens hold as text.
// Plain C++: the rules and their tests use these without any toolkit.

#include <optional>
#include <string>
#include <string_view>

namespace ocu {

// The number at the start of a text: optional leading blanks, an optional
// sign, digits with at most one "." as the decimal point. Whatever follows
// is ignored; a text that does not start with a number reads as 0.
// The decimal point is always ".", whatever the user's regional settings.
// Digits beyond the range of a double read as an infinity of their sign,
// so that a range check against a finite bound still refuses them.
double leadingNumber(std::string_view text);

// The whole text as a number: the leading-number form above, with blanks
// allowed before and after and nothing else. Anything else gives nullopt.
std::optional<double> wholeNumber(std::string_view text);

// The whole text as a 16-bit whole number, rounded half to even.
struct WholeReading {
    enum class Status { Ok, NotANumber, OutOfRange };
    Status status = Status::NotANumber;
    int value = 0;
};
WholeReading wholeNumber16(std::string_view text);

// Rounds half to even, as a clinician's "nearest whole grade" is counted.
double roundHalfToEven(double value);

// General number format: no leading blank, no trailing zeros, at most 15
// significant digits (22.5, 35, 0, 3.33333333333333). Minus zero is "0".
// Always written with its digits in place (1E+20 is "100000000000000000000"),
// so that what is written reads back as the same number.
std::string formatNumber(double value);

}  // namespace ocu
