#include "gtp/numbers.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

std::optional<int> ParseCount(std::string_view word) {
    if (word.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        // Saturates, so that a long run of digits never overflows.
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
    }
    return static_cast<int>(value);
}

std::optional<double> ParseFloat(std::string_view word) {
    if (!word.empty() && word.front() == '+') {
        word.remove_prefix(1);
        // "+-1" is not a number.
        if (!word.empty() && word.front() == '-') {
            return std::nullopt;
        }
    }
    double value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string FormatNumber(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}
