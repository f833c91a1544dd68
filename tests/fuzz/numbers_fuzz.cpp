// libFuzzer target for reading and writing numbers: reading never fails,
// what is written reads back within 15 significant digits, and whole-number
// rounding is half to even.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/rules/numbers.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool closeEnough(double a, double b) { return a == b || std::fabs(a - b) <= std::fabs(b) * 1e-14; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double lenient = ocu::leadingNumber(text);
    require(!std::isnan(lenient));
    require(!(lenient == 0 && std::signbit(lenient)));

    const auto whole = ocu::wholeNumber(text);
    if (whole) {
        require(std::isfinite(*whole));
        require(*whole == lenient);  // a whole number is its own leading number
    }

    if (std::isfinite(lenient)) {
        const std::string written = ocu::formatNumber(lenient);
        require(!written.empty() && written.front() != ' ');
        require(closeEnough(ocu::leadingNumber(written), lenient));
        const auto back = ocu::wholeNumber(written);
        require(back && closeEnough(*back, lenient));
    }

    const ocu::WholeReading sixteen = ocu::wholeNumber16(text);
    if (sixteen.status == ocu::WholeReading::Status::Ok) {
        require(whole.has_value());
        require(sixteen.value >= -32768 && sixteen.value <= 32767);
        const double diff = *whole - sixteen.value;
        require(std::fabs(diff) <= 0.5);
        if (std::fabs(diff) == 0.5) require(sixteen.value % 2 == 0);
    } else if (sixteen.status == ocu::WholeReading::Status::NotANumber) {
        require(!whole.has_value());
    }

    if (size >= sizeof(double)) {
        double value;
        __builtin_memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            const std::string written = ocu::formatNumber(value);
            require(closeEnough(ocu::leadingNumber(written), value == 0 ? 0.0 : value));
        }
    }
    return 0;
}
