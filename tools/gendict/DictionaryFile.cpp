#include "gendict/DictionaryFile.h"

#include "gendict/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vortalex::gendict {

DictionaryCounts writeDictionary(const WordNet& wn, const Inflections& inflections,
                                 const ExtraRows& ours, const BritishPairs& british,
                                 const fs::path& path) {
    std::vector<std::string_view> words;
    words.reserve(wn.senses.size() + inflections.size() + ours.size() + british.size());
    for (const auto& entry : wn.senses)
        words.push_back(entry.first);
    for (const auto& entry : inflections)
        words.push_back(entry.first);
    for (const auto& entry : ours)
        if (!wn.senses.count(entry.first) && !inflections.count(entry.first))
            words.push_back(entry.first);
    for (const auto& entry : british)
        words.push_back(entry.first);
    // Lower-case a-z sorts exactly like the upper-case words that are written out.
    std::sort(words.begin(), words.end());

    std::string out;
    out.reserve(32 << 20);
    std::size_t rowCount = 0;
    auto writeRow = [&](const std::string& upper, std::string_view meaning) {
        out += upper;
        out += '\t';
        for (char c : meaning) // WordNet has no tabs or line breaks, but a row must stay a row
            out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
        out += '\n';
        ++rowCount;
    };
    auto writeMeanings = [&](const std::string& key, const std::string& upper) {
        if (auto it = wn.senses.find(key); it != wn.senses.end()) {
            for (const Sense& sense : it->second) {
                std::string meaning(kPosTag[sense.pos]);
                if (!sense.gloss.empty()) {
                    meaning += ' ';
                    meaning += sense.gloss;
                }
                writeRow(upper, meaning);
            }
        } else if (auto inf = inflections.find(key); inf != inflections.end()) {
            for (const std::string& meaning : inf->second)
                writeRow(upper, meaning);
        }
        if (auto it = ours.find(key); it != ours.end())
            for (const std::string& meaning : it->second)
                writeRow(upper, meaning);
    };
    for (std::string_view word : words) {
        const std::string key(word);
        const std::string upper = toUpper(word);
        if (auto it = british.find(key); it != british.end()) {
            writeRow(upper, "British spelling of " + toUpper(it->second));
            writeMeanings(it->second, upper);
        } else {
            writeMeanings(key, upper);
        }
    }

    // Write next to the target and rename, so that an interrupted build never leaves a
    // truncated dictionary that looks up to date.
    fs::path temp = path;
    temp += ".tmp";
    std::error_code ec;
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (!file)
            throw FileError("cannot write " + temp.string() + ": " + std::strerror(errno));
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        file.close();
        if (!file) {
            fs::remove(temp, ec);
            throw FileError("cannot write " + temp.string());
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        const std::string why = ec.message();
        fs::remove(temp, ec);
        throw FileError("cannot write " + path.string() + ": " + why);
    }

    return {words.size(), rowCount, out.size()};
}

} // namespace vortalex::gendict
