#include "gtp/command_line.h"

#include <algorithm>

namespace {

// Applies the cleaning rules one character at a time, so that a line read from a stream never
// has to be held in full.
class LineCleaner {
  public:
    explicit LineCleaner(CleanLine& line) : line_(line) {
        line_.text.clear();
        line_.tooLong = false;
    }

    void Add(char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (inComment_ || c == '#') {
            inComment_ = true;
            return;
        }
        if (c == '\t') {
            c = ' ';
        } else if (byte < 32 || byte == 127) {
            return;
        }
        if (line_.text.size() < MaxCommandLength) {
            line_.text.push_back(c);
        } else if (c != ' ') {
            line_.tooLong = true;
        }
    }

  private:
    CleanLine& line_;
    bool inComment_ = false;
};

bool IsDigits(std::string_view word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

CleanLine CleanCommandLine(std::string_view raw) {
    CleanLine line;
    LineCleaner cleaner(line);
    for (char c : raw) {
        cleaner.Add(c);
    }
    return line;
}

bool ReadCleanLine(GtpChannel& in, CleanLine& line) {
    LineCleaner cleaner(line);
    bool any = false;
    for (int next = in.Get(); next >= 0; next = in.Get()) {
        any = true;
        if (next == '\n') {
            return true;
        }
        cleaner.Add(static_cast<char>(next));
    }
    return any;
}

bool IsBlank(std::string_view cleaned) {
    return cleaned.find_first_not_of(' ') == std::string_view::npos;
}

CommandLine SplitCommandLine(std::string_view cleaned) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while ((start = cleaned.find_first_not_of(' ', start)) != std::string_view::npos) {
        const std::size_t end = std::min(cleaned.find(' ', start), cleaned.size());
        words.emplace_back(cleaned.substr(start, end - start));
        start = end;
    }
    CommandLine command;
    auto word = words.begin();
    if (word != words.end() && IsDigits(*word)) {
        command.id = std::move(*word++);
    }
    if (word != words.end()) {
        command.name = std::move(*word++);
    }
    command.arguments.assign(std::make_move_iterator(word), std::make_move_iterator(words.end()));
    return command;
}
