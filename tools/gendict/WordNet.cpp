#include "gendict/WordNet.h"

#include "gendict/Filters.h"
#include "gendict/Text.h"

#include <algorithm>
#include <optional>

namespace vortalex::gendict {

namespace {

// A data.* line: "offset lex_filenum ss_type w_cnt word lex_id [word lex_id...] ... | gloss".
// Returns the gloss when one of the synset's words is spelled exactly like `lemma`. Spelling
// matters: "Paris" the city is stored capitalised, and a proper noun is not a playable word.
// `namesANumber` tells whether the synset also lists a number in digits, as {fifty-nine, 59,
// lix, ilx} does.
std::optional<std::string_view> glossIfSpelledLower(const std::string& data, unsigned long offset,
                                                    const std::string& lemma, Pos pos,
                                                    const fs::path& dataPath, bool& namesANumber) {
    if (offset >= data.size())
        throw FileError(dataPath.string() + ": no synset at offset " + std::to_string(offset));
    std::string_view rest(data);
    rest.remove_prefix(offset);
    std::string_view line = rest.substr(0, rest.find('\n'));
    std::size_t bar = line.find('|');
    std::vector<std::string_view> fields = splitSpaces(line.substr(0, bar));
    unsigned long lineOffset = 0;
    unsigned long wordCount = 0;
    if (fields.size() < 4 || !parseNumber(fields[0], 10, lineOffset) || lineOffset != offset ||
        !parseNumber(fields[3], 16, wordCount) || fields.size() < 4 + 2 * wordCount)
        throw FileError(dataPath.string() + ": malformed synset at offset " +
                        std::to_string(offset));

    bool spelledLower = false;
    namesANumber = false;
    for (unsigned long i = 0; i < wordCount; ++i) {
        std::string_view word = fields[4 + 2 * i];
        // Adjectives may carry a syntactic marker such as "(a)", "(p)" or "(ip)".
        if (pos == Adj && !word.empty() && word.back() == ')')
            word = word.substr(0, word.rfind('('));
        spelledLower = spelledLower || word == lemma;
        namesANumber = namesANumber || isDigits(word);
    }
    if (!spelledLower)
        return std::nullopt;
    return bar == std::string_view::npos ? std::string_view() : trim(line.substr(bar + 1));
}

void loadIndex(WordNet& wn, Pos pos, const fs::path& dir, LeftOut& leftOut) {
    const fs::path indexPath = dir / ("index." + std::string(kPosFile[pos]));
    const fs::path dataPath = dir / ("data." + std::string(kPosFile[pos]));
    const std::string index = readFile(indexPath);
    const std::string& data = wn.data[pos];

    forEachLine(index, [&](std::string_view line, std::size_t lineNumber) {
        if (line.empty() || line.front() == ' ') // licence header
            return;
        // "lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt offset [offset...]"
        std::vector<std::string_view> fields = splitSpaces(line);
        if (fields.size() < 2 || !isLowerWord(fields[0]))
            return; // phrases, hyphenated words, digits, abbreviations with dots
        unsigned long synsetCount = 0;
        if (fields.size() < 3 || !parseNumber(fields[2], 10, synsetCount) || synsetCount == 0 ||
            fields.size() < 4 + synsetCount)
            malformed(indexPath, lineNumber, "bad synset count");

        const std::string lemma(fields[0]);
        std::vector<Sense> kept;
        for (std::size_t i = fields.size() - synsetCount; i < fields.size(); ++i) {
            unsigned long offset = 0;
            if (!parseNumber(fields[i], 10, offset))
                malformed(indexPath, lineNumber, "bad synset offset");
            bool namesANumber = false;
            auto gloss = glossIfSpelledLower(data, offset, lemma, pos, dataPath, namesANumber);
            // Irregular numerals such as ILX and XCL, which the strict form does not catch,
            // are found by the number they stand beside. MIX or CIVIL never do.
            if (gloss && namesANumber && isRomanLetters(lemma))
                leftOut.numerals.insert(lemma);
            else if (gloss)
                kept.push_back({pos, *gloss});
        }
        if (!kept.empty()) {
            std::vector<Sense>& senses = wn.senses[lemma];
            senses.insert(senses.end(), kept.begin(), kept.end());
        }
    });
}

void loadExceptions(WordNet& wn, Pos pos, const fs::path& dir) {
    const fs::path path = dir / (std::string(kPosFile[pos]) + ".exc");
    const std::string text = readFile(path);
    forEachLine(text, [&](std::string_view line, std::size_t lineNumber) {
        std::vector<std::string_view> fields = splitSpaces(line);
        if (fields.empty())
            return;
        if (fields.size() < 2)
            malformed(path, lineNumber, "exception without a base form");
        if (!isLowerWord(fields[0]))
            return;
        std::vector<std::string>& bases = wn.exceptions[pos][std::string(fields[0])];
        for (std::size_t i = 1; i < fields.size(); ++i)
            bases.emplace_back(fields[i]);
    });
}

} // namespace

bool WordNet::hasSense(const std::string& word, Pos pos) const {
    auto it = senses.find(word);
    if (it == senses.end())
        return false;
    return std::any_of(it->second.begin(), it->second.end(),
                       [pos](const Sense& s) { return s.pos == pos; });
}

std::vector<std::string_view> WordNet::glosses(const std::string& word, Pos pos) const {
    std::vector<std::string_view> result;
    for (const Sense& s : senses.at(word))
        if (s.pos == pos)
            result.push_back(s.gloss);
    return result;
}

WordNet loadWordNet(const fs::path& dir, LeftOut& leftOut) {
    WordNet wn;
    // Read every data file before any index so that the glosses' string_views stay valid.
    for (int pos = 0; pos < kPosCount; ++pos)
        wn.data[pos] = readFile(dir / ("data." + std::string(kPosFile[pos])));
    for (int pos = 0; pos < kPosCount; ++pos)
        loadIndex(wn, static_cast<Pos>(pos), dir, leftOut);
    for (int pos = Noun; pos <= Adj; ++pos)
        loadExceptions(wn, static_cast<Pos>(pos), dir);
    std::erase_if(wn.senses, [&](const auto& entry) { return leaveOut(entry.first, leftOut); });
    // A numeral beside its number may have other senses too, and then it stays.
    std::erase_if(leftOut.numerals, [&](const std::string& w) { return wn.senses.count(w) != 0; });
    return wn;
}

} // namespace vortalex::gendict
