#include "gendict/Text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace vortalex::gendict {

std::string readFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw FileError("cannot read " + path.string() + ": is a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("cannot read " + path.string() + ": " + std::strerror(errno));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw FileError("cannot read " + path.string() + ": read error");
    return text;
}

std::vector<std::string_view> splitSpaces(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        std::size_t start = line.find_first_not_of(' ', pos);
        if (start == std::string_view::npos)
            break;
        std::size_t end = line.find(' ', start);
        if (end == std::string_view::npos)
            end = line.size();
        fields.push_back(line.substr(start, end - start));
        pos = end;
    }
    return fields;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool isLowerWord(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool isUpperWord(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::string toUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool parseNumber(std::string_view s, int base, unsigned long& value) {
    const char* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data(), end, value, base);
    return ec == std::errc() && ptr == end;
}

[[noreturn]] void malformed(const fs::path& path, std::size_t lineNumber, std::string_view why) {
    throw FileError(path.string() + ":" + std::to_string(lineNumber) + ": " + std::string(why));
}

bool isDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace vortalex::gendict
