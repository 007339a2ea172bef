#include "NumText.h"

#include <cstdio>
#include <cstdlib>

namespace tabloo {

std::optional<std::int64_t> ParseWhole(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulate as a negative number so that the minimum fits too.
    std::int64_t v = 0;
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        int digit = c - '0';
        if (v < (lowest + digit) / 10)
            return std::nullopt;
        v = v * 10 - digit;
    }
    if (!negative) {
        if (v == lowest)
            return std::nullopt;
        v = -v;
    }
    return v;
}

std::optional<double> ParseGameNo(std::string_view text) {
    std::size_t i = text.size() > 0 && text[0] == '+' ? 1 : 0, digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i, ++digits;
    if (digits == 0 || digits > 40)
        return std::nullopt;
    if (i < text.size() && text[i] == '.') {
        ++i;
        std::size_t fraction = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i, ++fraction;
        if (fraction == 0 || fraction > 40)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double v = std::strtod(std::string(text).c_str(), nullptr);
    if (!(v >= 0.0 && v <= kMaxGameNo))
        return std::nullopt;
    return v;
}

double GameNoValue(std::string_view text) {
    std::string s(text);
    char *end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || !std::isfinite(v))
        return 0.0;
    return v;
}

std::string FormatGameNo(double gameNo) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", RoundHalfEven(gameNo));
    return buf;
}

} // namespace tabloo
