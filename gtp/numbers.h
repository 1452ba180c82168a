// The protocol's numbers: counts (unsigned decimal integers) and floats.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Digits only; a value beyond the int range comes back as INT_MAX, still "too many".
std::optional<int> ParseCount(std::string_view word);

// A finite decimal number such as "6.5", "-3" or "+0.5"; nothing for "inf", "nan" or junk.
std::optional<double> ParseFloat(std::string_view word);

// The shortest text that reads back as the same value: "6.5", "7", "0.1".
std::string FormatNumber(double value);
