// One command line of the Go Text Protocol: read, cleaned and split into id, name and arguments.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "gtp/gtp_channel.h"

// The longest cleaned line kept; a longer one is answered with an error, never stored whole.
constexpr std::size_t MaxCommandLength = 64 * 1024;

// A line after the protocol's preprocessing: control characters other than tab dropped, tabs
// turned into spaces, everything from '#' on cut.
struct CleanLine {
    std::string text;
    // More than MaxCommandLength characters (spaces at the end aside) were left out of text.
    bool tooLong = false;
};

// Cleans a line given whole, without its newline.
CleanLine CleanCommandLine(std::string_view raw);

// Reads and cleans the next line, up to a newline or the end of the input. Returns false only
// when the input had ended before any character of a line.
bool ReadCleanLine(GtpChannel& in, CleanLine& line);
// The same from a C++ stream (tests); sets its eofbit at the end of the input.
bool ReadCleanLine(std::istream& in, CleanLine& line);

struct CommandLine {
    // The digits of the optional id, as given; empty when the line had none.
    std::string id;
    // Empty when the line held an id alone.
    std::string name;
    std::vector<std::string> arguments;
};

// True when the cleaned line holds nothing but spaces: such a line gets no reply.
bool IsBlank(std::string_view cleaned);

// Splits a cleaned line at spaces: an all-digit first word is the id, the next the name.
CommandLine SplitCommandLine(std::string_view cleaned);
