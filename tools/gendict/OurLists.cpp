#include "gendict/OurLists.h"

#include "gendict/Text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vortalex::gendict {

void loadExtra(const fs::path& path, ExtraRows& rows, std::unordered_set<std::string>& seen) {
    static constexpr std::array<std::string_view, 10> kTags = {
        "(n.) ",    "(v.) ",   "(adj.) ",  "(adv.) ",  "(art.) ",
        "(pron.) ", "(det.) ", "(prep.) ", "(conj.) ", "(interj.) "};
    const std::string text = readFile(path);
    forEachLine(text, [&](std::string_view line, std::size_t lineNumber) {
        if (trim(line).empty() || line.front() == '#')
            return;
        std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            malformed(path, lineNumber, "expected WORD<TAB>MEANING");
        std::string_view word = line.substr(0, tab);
        std::string_view meaning = trim(line.substr(tab + 1));
        if (!isUpperWord(word))
            malformed(path, lineNumber, "word must be upper-case letters A-Z only");
        if (meaning.find('\t') != std::string_view::npos)
            malformed(path, lineNumber, "meaning must contain no tab");
        if (std::none_of(kTags.begin(), kTags.end(), [meaning](std::string_view tag) {
                return meaning.starts_with(tag) && !trim(meaning.substr(tag.size())).empty();
            }))
            malformed(path, lineNumber, "meaning must be a part-of-speech tag and a text");
        if (!seen.insert(std::string(word) + '\t' + std::string(meaning)).second)
            malformed(path, lineNumber, "duplicate row");
        std::string key(word);
        std::transform(key.begin(), key.end(), key.begin(),
                       [](char c) { return static_cast<char>(c - 'A' + 'a'); });
        rows[key].emplace_back(meaning);
    });
}

std::unordered_map<std::string, std::vector<Sense>> sensesOf(const ExtraRows& everyday) {
    std::unordered_map<std::string, std::vector<Sense>> senses;
    for (const auto& [word, meanings] : everyday)
        for (const std::string& meaning : meanings)
            for (Pos pos : {Noun, Verb, Adj, Adv})
                if (std::string_view(meaning).starts_with(kPosTag[pos])) {
                    senses[word].push_back(
                        {pos, trim(std::string_view(meaning).substr(kPosTag[pos].size()))});
                    break;
                }
    return senses;
}

} // namespace vortalex::gendict
