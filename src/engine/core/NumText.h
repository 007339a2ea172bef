// Small numeric helpers shared by the engine: rounding, clamping and strict parsing of
// whole numbers and game numbers.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace tabloo {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// (The program never changes the floating-point rounding mode.)
inline double RoundHalfEven(double v) { return std::nearbyint(v); }

template <typename T> T ClampTo(std::int64_t v) {
    if (v < std::numeric_limits<T>::min())
        return std::numeric_limits<T>::min();
    if (v > std::numeric_limits<T>::max())
        return std::numeric_limits<T>::max();
    return static_cast<T>(v);
}

// A whole number in plain decimal: an optional sign and at least one digit, nothing
// else. Empty when the text is anything else or leaves the 64-bit range.
std::optional<std::int64_t> ParseWhole(std::string_view text);

// The same, limited to the range of T.
template <typename T> std::optional<T> ParseWholeAs(std::string_view text) {
    auto v = ParseWhole(text);
    if (!v || *v < std::numeric_limits<T>::min() || *v > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(*v);
}

// A stored count after adding `delta`: the count the text holds (none, or text that is no
// whole number within lo .. hi, counts as 0), plus `delta`, stopping at lo and hi.
inline std::int64_t AddWithin(const std::string *text, std::int64_t delta, std::int64_t lo, std::int64_t hi) {
    std::int64_t v = 0;
    if (text)
        if (auto parsed = ParseWhole(*text); parsed && *parsed >= lo && *parsed <= hi)
            v = *parsed;
    // v lies within lo .. hi, so neither sum below leaves the 64-bit range for the widths the
    // game keeps (32 bits at most).
    if (delta > hi - v)
        return hi;
    if (delta < lo - v)
        return lo;
    return v + delta;
}

// The highest game number.
inline constexpr double kMaxGameNo = 999999999999999.0;

// A game number as text: an optional plus sign, decimal digits, optionally a point and more
// digits ("12.5", "+5"), within 0 .. 999,999,999,999,999. Empty when the text is anything
// else. The one rule for a typed game number, in the window and in the tool alike.
std::optional<double> ParseGameNo(std::string_view text);
// The longest text that rule takes: a sign, forty digits, a point and forty more.
inline constexpr std::size_t kMaxGameNoLength = 82;

// The numeric value of a game number held as text; 0 when it holds no number.
double GameNoValue(std::string_view text);

// A whole game number as its decimal text ("123456789").
std::string FormatGameNo(double gameNo);

} // namespace tabloo
