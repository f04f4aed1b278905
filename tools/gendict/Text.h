// Reading the generator's inputs: whole files into memory, their lines and blank-separated
// fields, and the letter tests every source needs.
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vortalex::gendict {

namespace fs = std::filesystem;

// File problems (missing or unreadable input, broken line, unwritable output) are reported
// without a usage text and end the build step with a non-zero status.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string readFile(const fs::path& path);

// Calls fn(line, lineNumber) for every line of text, without the line break.
template <typename Fn> void forEachLine(std::string_view text, Fn fn) {
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        fn(line, lineNumber);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

std::vector<std::string_view> splitSpaces(std::string_view line);
std::string_view trim(std::string_view s); // of blanks and tabs

// Not empty, and only a-z, only A-Z, only 0-9.
bool isLowerWord(std::string_view s);
bool isUpperWord(std::string_view s);
bool isDigits(std::string_view s);
std::string toUpper(std::string_view s); // of a word isLowerWord accepts

// True when all of `s` is a number in the given base.
bool parseNumber(std::string_view s, int base, unsigned long& value);

// Throws the FileError that names the broken line.
[[noreturn]] void malformed(const fs::path& path, std::size_t lineNumber, std::string_view why);

} // namespace vortalex::gendict
