// vortalex-gendict: builds the game's dictionary, a UTF-8 file of WORD<TAB>MEANING rows sorted
// by word, from WordNet 3.0, the SCOWL word list and our own lists of closed-class and everyday
// words. Inflected forms are spelled from their base words and kept when SCOWL lists them.
//
// It runs at build time whenever one of its inputs changes, so it has to stay fast: every input
// file is read once into memory and WordNet synsets are looked up by their byte offset instead
// of being indexed.

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// File problems (missing or unreadable input, broken line, unwritable output) are reported
// without a usage text and end the build step with a non-zero status.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum Pos { Noun = 0, Verb = 1, Adj = 2, Adv = 3 };
constexpr int kPosCount = 4;
// Within a word, rows follow this order, the order in which WordNet's own browser lists them.
constexpr std::array<std::string_view, kPosCount> kPosFile = {"noun", "verb", "adj", "adv"};
constexpr std::array<std::string_view, kPosCount> kPosTag = {"(n.)", "(v.)", "(adj.)", "(adv.)"};

struct Sense {
    Pos pos;
    std::string_view gloss; // points into WordNet::data or our rows, which outlive every Sense
};

struct WordNet {
    std::array<std::string, kPosCount> data;
    std::unordered_map<std::string, std::vector<Sense>> senses;
    // Inflected form -> base forms, for nouns, verbs and adjectives (adverbs are not inflected).
    std::array<std::unordered_map<std::string, std::vector<std::string>>, 3> exceptions;

    bool hasSense(const std::string& word, Pos pos) const {
        auto it = senses.find(word);
        if (it == senses.end())
            return false;
        return std::any_of(it->second.begin(), it->second.end(),
                           [pos](const Sense& s) { return s.pos == pos; });
    }

    std::vector<std::string_view> glosses(const std::string& word, Pos pos) const {
        std::vector<std::string_view> result;
        for (const Sense& s : senses.at(word))
            if (s.pos == pos)
                result.push_back(s.gloss);
        return result;
    }
};

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

// Words a source lists that the dictionary leaves out, by reason; the generator reports how many.
struct LeftOut {
    std::unordered_set<std::string> numerals;
    std::unordered_set<std::string> abbreviations;
    std::unordered_set<std::string> properNouns;
};

bool isDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

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

bool isRomanLetters(std::string_view word) {
    return std::all_of(word.begin(), word.end(), [](char c) {
        return std::string_view("ivxlcdm").find(c) != std::string_view::npos;
    });
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

// Roman numerals such as XII are WordNet adjectives and SCOWL words, yet no player counts them
// as words. Only the strict modern form is a numeral, so CIVIL and DILL are not caught.
bool isRomanNumeral(std::string_view word) {
    // clang-format off
    static constexpr std::array<std::pair<int, std::string_view>, 13> kDigits = {{
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"}, {10, "x"}, {9, "ix"}, {5, "v"}, {4, "iv"}, {1, "i"}}};
    // clang-format on
    // Reads the digits greedily and accepts the word only if writing the value back gives it.
    int value = 0;
    std::string_view rest = word;
    for (const auto& [digitValue, digit] : kDigits)
        while (rest.starts_with(digit)) {
            value += digitValue;
            rest.remove_prefix(digit.size());
        }
    if (!rest.empty() || value == 0)
        return false;
    std::string written;
    for (const auto& [digitValue, digit] : kDigits)
        while (value >= digitValue) {
            written += digit;
            value -= digitValue;
        }
    return written == word;
}

// Words of two letters are never played; of the longer numerals, MIX is also an everyday word.
bool isNumeralNotWord(std::string_view word) {
    return word.size() >= 3 && word != "mix" && isRomanNumeral(word);
}

// Abbreviations of units and the like (MPH, RPM, KPH, LBS, HRS, PCT, CWT, WPM, BPS) are WordNet
// nouns or SCOWL words, yet no player counts them as words. They are told by having no vowel,
// Y counting as one after the first letter, so that GYM, LYNX and RHYTHM stay and YRS goes. The
// few real words spelled without a vowel are named, with their plurals. Symbols that do carry a
// vowel cannot be told from words by their letters; the few WordNet lists as units are named
// (reviewed by hand: SEC, MOL, RAD, VAR, PSI, DAL, GAL and AMP are played as words and stay).
bool isAbbreviation(std::string_view word) {
    static constexpr std::array<std::string_view, 16> kVowellessWords = {
        "brr", "crwth", "cwm", "grr", "hmm", "hmmm",   "nth", "pfft",
        "pht", "psst",  "pst", "shh", "tsk", "tsktsk", "zzz", "zzzz"};
    static constexpr std::array<std::string_view, 6> kUnitSymbols = {"atm",  "kbit", "kibit",
                                                                     "msec", "myg",  "mym"};
    if (word.size() < 3)
        return false;
    const std::string_view singular = word.ends_with('s') ? word.substr(0, word.size() - 1) : word;
    for (const std::string_view symbol : kUnitSymbols)
        if (word == symbol || singular == symbol)
            return true;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::string_view("aeiou").find(word[i]) != std::string_view::npos ||
            (word[i] == 'y' && i > 0))
            return false;
    const auto named = [](std::string_view w) {
        return std::find(kVowellessWords.begin(), kVowellessWords.end(), w) !=
               kVowellessWords.end();
    };
    return !named(word) && !(word.ends_with('s') && named(word.substr(0, word.size() - 1)));
}

// True, noting why, for a word a source lists that is no word to a player.
bool leaveOut(const std::string& word, LeftOut& leftOut) {
    if (isNumeralNotWord(word))
        return leftOut.numerals.insert(word), true;
    if (isAbbreviation(word))
        return leftOut.abbreviations.insert(word), true;
    return false;
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

constexpr std::string_view kPlural = "plural of";
constexpr std::string_view kThirdPerson = "third person singular of";
constexpr std::string_view kPast = "past tense or past participle of";
constexpr std::string_view kPresentParticiple = "present participle of";
constexpr std::string_view kComparative = "comparative of";
constexpr std::string_view kSuperlative = "superlative of";

// verb.exc does not say which form an entry is, so it is told from its spelling. The forms of BE
// are too irregular for that and are named one by one.
std::string_view verbExceptionForm(std::string_view inflected) {
    static const std::array<std::pair<std::string_view, std::string_view>, 6> kBe = {{
        {"am", "first person singular present tense of"},
        {"are", "plural and second person present tense of"},
        {"is", "third person singular of"},
        {"was", "first and third person singular past tense of"},
        {"were", "plural and second person past tense of"},
        {"been", "past participle of"},
    }};
    for (const auto& [form, name] : kBe)
        if (form == inflected)
            return name;
    if (inflected.ends_with("ing"))
        return kPresentParticiple;
    if (inflected.ends_with('s'))
        return kThirdPerson;
    return kPast;
}

std::string_view exceptionForm(Pos pos, std::string_view inflected) {
    switch (pos) {
    case Noun:
        return kPlural;
    case Verb:
        return verbExceptionForm(inflected);
    default: // adj.exc holds comparatives and superlatives only, including "best" and "worst"
        return inflected.ends_with("st") ? kSuperlative : kComparative;
    }
}

// The words inflected forms are built on: WordNet's lemmas, and the nouns, verbs and adjectives
// of our own list of everyday words, whose meanings then carry over just as WordNet's do.
struct Lexicon {
    const WordNet& wn;
    std::unordered_map<std::string, std::vector<Sense>> ours;

    bool hasSense(const std::string& word, Pos pos) const {
        if (wn.hasSense(word, pos))
            return true;
        auto it = ours.find(word);
        return it != ours.end() && std::any_of(it->second.begin(), it->second.end(),
                                               [pos](const Sense& s) { return s.pos == pos; });
    }

    std::vector<std::string_view> glosses(const std::string& word, Pos pos) const {
        std::vector<std::string_view> result;
        if (wn.senses.count(word))
            result = wn.glosses(word, pos);
        if (auto it = ours.find(word); it != ours.end())
            for (const Sense& s : it->second)
                if (s.pos == pos)
                    result.push_back(s.gloss);
        return result;
    }
};

bool isVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool endsInSibilant(std::string_view w) {
    return w.ends_with('s') || w.ends_with('x') || w.ends_with('z') || w.ends_with("ch") ||
           w.ends_with("sh");
}

// Vowel groups, y counting as a vowel after the first letter: near enough to syllables to tell
// BLOG, whose G always doubles, from VISIT, whose T doubles only in some longer words.
int syllableCount(std::string_view w) {
    int count = 0;
    bool inVowel = false;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const bool vowel = isVowel(w[i]) || (w[i] == 'y' && i > 0);
        if (vowel && !inVowel)
            ++count;
        inVowel = vowel;
    }
    return count;
}

// The Y of BABY and COLLOQUY, which turns into I before an ending, unlike that of MONKEY.
bool endsInConsonantY(std::string_view w) {
    const std::size_t n = w.size();
    return n >= 2 && w.back() == 'y' &&
           (!isVowel(w[n - 2]) || (n >= 3 && w[n - 2] == 'u' && w[n - 3] == 'q'));
}

enum class Doubling { Never, Usually, Sometimes };

// A final consonant after a single vowel doubles when that last syllable is stressed (BLOG,
// BLOGGED; BACKLOG, BACKLOGGED; but VISIT, VISITED), and British spelling doubles a final L
// whatever the stress (APPAREL, APPARELLED; CRUEL, CRUELLER). Our sources do not mark stress,
// so in longer words both spellings are tried and the word list tells which exists.
Doubling doubling(std::string_view w) {
    const std::size_t n = w.size();
    const char last = w.back();
    if (n < 2 || isVowel(last) || last == 'w' || last == 'x' || last == 'y' || !isVowel(w[n - 2]))
        return Doubling::Never;
    // The U of QU is a consonant here: QUIT, QUITTING.
    const bool singleVowel =
        n == 2 || !isVowel(w[n - 3]) || (n >= 4 && w[n - 3] == 'u' && w[n - 4] == 'q');
    if (!singleVowel)
        return last == 'l' ? Doubling::Sometimes : Doubling::Never;
    return syllableCount(w) == 1 ? Doubling::Usually : Doubling::Sometimes;
}

// How regular a spelling is. When two bases spell the same word the more regular reading wins:
// HOPED is HOPE's, since HOP makes HOPPED, and SINGING is SING's, since SINGE keeps its E.
enum Rank { kRegular = 0, kVariant = 1, kUnlikely = 2 };

struct Candidate {
    std::string word;
    int rank;
};

// BASE with "ed", "ing", "er" or "est". For "ed" and "er" the candidates come in the same order
// as for "est", which pairs comparatives with superlatives.
std::vector<Candidate> withVowelEnding(const std::string& base, std::string_view ending) {
    std::vector<Candidate> out;
    const std::size_t n = base.size();
    const std::string e(ending);
    const bool ing = ending == "ing";
    if (base.back() == 'e') {
        if (!ing) {
            out.push_back({base + e.substr(1), kRegular}); // HOPED, LATER
            out.push_back({base + e, kUnlikely});          // ANTEED
            return out;
        }
        if (base.ends_with("ie"))
            out.push_back({base.substr(0, n - 2) + "ying", kRegular}); // TYING
        else if (!isVowel(base[n - 2]) || base[n - 2] == 'u')
            out.push_back({base.substr(0, n - 1) + e, kVariant}); // HOPING, ARGUING
        out.push_back({base + e, kRegular});                      // SEEING, SINGEING
        return out;
    }
    if (endsInConsonantY(base)) {
        if (!ing)
            out.push_back({base.substr(0, n - 1) + "i" + e, kRegular}); // AUTOPSIED, BABIEST
        out.push_back({base + e, ing ? kRegular : kVariant});           // SKYED, SPRYER
        return out;
    }
    if (!ing && base.ends_with("ey"))
        out.push_back({base.substr(0, n - 2) + "i" + e, kVariant}); // MOTLEY, MOTLIER
    switch (doubling(base)) {
    case Doubling::Usually:
        out.push_back({base + base.back() + e, kRegular});
        out.push_back({base + e, kUnlikely}); // BUSED beside BUSSED
        break;
    case Doubling::Sometimes:
        out.push_back({base + e, kRegular});
        out.push_back({base + base.back() + e, kVariant});
        break;
    case Doubling::Never:
        out.push_back({base + e, kRegular});
        break;
    }
    if (base.back() == 'c')
        out.push_back({base + "k" + e, kVariant}); // PICNICKED, ZINCKED
    return out;
}

// BASE with "s" or "es": plurals and third persons. Nouns also take the plural spellings that no
// verb has.
std::vector<Candidate> withS(const std::string& base, bool noun) {
    std::vector<Candidate> out;
    const std::size_t n = base.size();
    const char last = base.back();
    if (endsInConsonantY(base)) {
        out.push_back({base.substr(0, n - 1) + "ies", kRegular});
        out.push_back({base + "s", kVariant}); // STANDBYS, WHISKYS
    } else if (endsInSibilant(base)) {
        out.push_back({base + "es", kRegular});
        if ((last == 's' || last == 'z') && doubling(base) != Doubling::Never)
            out.push_back({base + last + "es", kVariant}); // QUIZZES, PLUSSES
        if (base.ends_with("ch"))
            out.push_back({base + "s", kVariant}); // STOMACHS, where CH sounds like K
    } else {
        out.push_back({base + "s", kRegular});
        if (last == 'o')
            out.push_back({base + "es", kRegular}); // ECHOES, AVOCADOES
        if (base.ends_with("ey"))
            out.push_back({base.substr(0, n - 2) + "ies", kVariant}); // MONIES
    }
    if (!noun)
        return out;
    if (last == 'f')
        out.push_back({base.substr(0, n - 1) + "ves", kVariant}); // BEHALVES
    else if (base.ends_with("fe"))
        out.push_back({base.substr(0, n - 2) + "ves", kVariant}); // AFTERLIVES
    if (base.ends_with("man"))
        out.push_back({base.substr(0, n - 3) + "men", kRegular}); // FIREMEN
    if (base.ends_with("ful"))
        out.push_back({base.substr(0, n - 3) + "sful", kVariant}); // HANDSFUL beside HANDFULS
    if (last == 'i')
        out.push_back({base + "es", kVariant}); // CHILIES
    return out;
}

struct Derivation {
    Pos pos;                 // of the derived word
    Pos basePos;             // differs when a noun or adjective is used as a verb: BRICKED, LAZIED
    const std::string* base; // a key of WordNet::senses or Lexicon::ours, both left unchanged
    std::string_view form;
    int rank;
};

using Derivations = std::unordered_map<std::string, std::vector<Derivation>>;

constexpr unsigned bit(Pos pos) {
    return 1u << pos;
}

// Spells every regular form of every base and keeps the ones the word list has, so that no
// form the rules invent gets in. `words` holds the list's words that are not bases themselves.
Derivations deriveForms(const Lexicon& lex, const std::unordered_set<std::string>& words) {
    // Compounds inflect like their last word: AFTERLIFE as LIFE, OVEREAT as EAT. Both parts
    // have three letters at least, or BRING, read as B + RING, would give "brang".
    constexpr std::size_t kMinPart = 3;
    std::array<std::unordered_map<std::string_view, std::vector<std::string_view>>, 2> irregular;
    for (Pos pos : {Noun, Verb})
        for (const auto& [form, bases] : lex.wn.exceptions[pos])
            for (const std::string& base : bases)
                irregular[pos][base].push_back(form);

    Derivations out;
    auto derive = [&](const std::string& base, unsigned parts) {
        if (base.size() < 2) // letters, numerals and symbols: IS is not the plural of I
            return;
        auto keep = [&](Pos pos, Pos basePos, const std::vector<Candidate>& candidates,
                        std::string_view form) {
            for (const Candidate& c : candidates)
                if (words.count(c.word))
                    out[c.word].push_back({pos, basePos, &base, form, c.rank});
        };
        auto keepCompounds = [&](Pos pos, Pos basePos) {
            for (std::size_t split = kMinPart; split + kMinPart <= base.size(); ++split) {
                auto it = irregular[pos].find(std::string_view(base).substr(split));
                if (it == irregular[pos].end())
                    continue;
                for (std::string_view form : it->second) {
                    std::string word = base.substr(0, split) + std::string(form);
                    if (words.count(word))
                        out[word].push_back(
                            {pos, basePos, &base, exceptionForm(pos, form), kVariant});
                }
            }
        };
        const bool noun = parts & bit(Noun);
        const bool verb = parts & bit(Verb);
        const bool adj = parts & bit(Adj);
        if (noun) {
            keep(Noun, Noun, withS(base, true), kPlural);
            keepCompounds(Noun, Noun);
        }
        if (verb) {
            keep(Verb, Verb, withS(base, false), kThirdPerson);
            keep(Verb, Verb, withVowelEnding(base, "ed"), kPast);
            keep(Verb, Verb, withVowelEnding(base, "ing"), kPresentParticiple);
            keepCompounds(Verb, Verb);
        }
        if (adj) {
            keep(Adj, Adj, withVowelEnding(base, "er"), kComparative);
            keep(Adj, Adj, withVowelEnding(base, "est"), kSuperlative);
        }
        // English turns nouns and adjectives into verbs freely (to brick, to lazy about) and
        // adjectives into nouns (the casuals); WordNet often lacks these uses. Two-letter bases
        // are mostly symbols and abbreviations, and are left out: CI, a numeral, gives no CIS.
        if (base.size() < kMinPart)
            return;
        if (!verb && (noun || adj)) {
            const Pos from = noun ? Noun : Adj;
            keep(Verb, from, withVowelEnding(base, "ed"), kPast);
            keep(Verb, from, withVowelEnding(base, "ing"), kPresentParticiple);
        }
        if (adj && !noun)
            keep(Noun, Adj, withS(base, false), kPlural);
        // Only nouns in -Y are used as adjectives (BABY, BABIER; SAVVY, SAVVIEST), and a
        // superlative must exist too, which tells them from agent nouns such as DUSTER.
        if (!adj && (noun || verb) && endsInConsonantY(base)) {
            const Pos from = noun ? Noun : Verb;
            const std::vector<Candidate> er = withVowelEnding(base, "er");
            const std::vector<Candidate> est = withVowelEnding(base, "est");
            for (std::size_t i = 0; i < er.size() && i < est.size(); ++i)
                if (words.count(er[i].word) && words.count(est[i].word)) {
                    out[er[i].word].push_back({Adj, from, &base, kComparative, er[i].rank});
                    out[est[i].word].push_back({Adj, from, &base, kSuperlative, est[i].rank});
                }
        }
    };

    auto partsOf = [](const std::vector<Sense>& senses) {
        unsigned parts = 0;
        for (const Sense& s : senses)
            parts |= bit(s.pos);
        return parts;
    };
    for (const auto& [base, senses] : lex.wn.senses) {
        unsigned parts = partsOf(senses);
        if (auto it = lex.ours.find(base); it != lex.ours.end())
            parts |= partsOf(it->second);
        derive(base, parts);
    }
    for (const auto& [base, senses] : lex.ours)
        if (!lex.wn.senses.count(base))
            derive(base, partsOf(senses));
    return out;
}

struct Inflection {
    Pos pos;
    Pos basePos;
    std::string base;
    std::string_view form;
};

// Exception entries come first and are trusted, even for irregular forms like "geese".
std::optional<Inflection> exceptionAs(const Lexicon& lex, const std::string& word, Pos pos) {
    auto exc = lex.wn.exceptions[pos].find(word);
    if (exc != lex.wn.exceptions[pos].end())
        for (const std::string& base : exc->second)
            if (lex.hasSense(base, pos))
                return Inflection{pos, pos, base, exceptionForm(pos, word)};
    return std::nullopt;
}

// The most regular reading, then the longest base, then the first in alphabetical order, so
// that the output does not depend on hash order.
std::optional<Inflection> bestDerivation(const std::vector<Derivation>& derivations, Pos pos,
                                         bool converted) {
    const Derivation* best = nullptr;
    for (const Derivation& d : derivations) {
        if (d.pos != pos || (d.basePos != d.pos) != converted)
            continue;
        if (!best || d.rank < best->rank ||
            (d.rank == best->rank &&
             (d.base->size() > best->base->size() ||
              (d.base->size() == best->base->size() && *d.base < *best->base))))
            best = &d;
    }
    if (!best)
        return std::nullopt;
    return Inflection{best->pos, best->basePos, *best->base, best->form};
}

// Rows for a SCOWL word that WordNet lists only through its base form: the base's meanings in
// sense order, part of speech by part of speech, at most three in all so that a form never
// buries its base's list. A word used as another part of speech than its base's (BRICKED from
// the noun BRICK) is read that way only when no same-part reading exists, and its rows name the
// base's part of speech.
std::vector<std::string> inflectionRows(const Lexicon& lex, const Derivations& derivations,
                                        const std::string& word) {
    constexpr std::size_t kMaxRows = 3;
    static const std::vector<Derivation> kNone;
    const auto derived = derivations.find(word);
    const std::vector<Derivation>& mine = derived == derivations.end() ? kNone : derived->second;

    std::vector<Inflection> inflections;
    for (Pos pos : {Noun, Verb, Adj}) {
        if (auto exc = exceptionAs(lex, word, pos))
            inflections.push_back(*exc);
        else if (auto regular = bestDerivation(mine, pos, false))
            inflections.push_back(*regular);
    }
    if (inflections.empty())
        for (Pos pos : {Noun, Verb, Adj})
            if (auto converted = bestDerivation(mine, pos, true))
                inflections.push_back(*converted);

    std::vector<std::string> rows;
    for (const Inflection& inflection : inflections) {
        for (std::string_view gloss : lex.glosses(inflection.base, inflection.basePos)) {
            if (rows.size() == kMaxRows)
                return rows;
            std::string row(kPosTag[inflection.pos]);
            row += ' ';
            row += inflection.form;
            row += ' ';
            row += toUpper(inflection.base);
            if (inflection.basePos != inflection.pos) {
                row += ' ';
                row += kPosTag[inflection.basePos];
            }
            if (!gloss.empty()) {
                row += ": ";
                row += gloss;
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::unordered_map<std::string, std::vector<std::string>>
loadInflections(const Lexicon& lex, const fs::path& path, LeftOut& leftOut) {
    const std::string text = readFile(path);
    std::unordered_set<std::string> words;
    std::unordered_set<std::string> capitalised; // lower-cased
    forEachLine(text, [&](std::string_view line, std::size_t) {
        // Entries with capitals (names), apostrophes or accents are never playable.
        line = trim(line);
        if (isLowerWord(line)) {
            words.emplace(line);
        } else if (!line.empty() && std::all_of(line.begin(), line.end(), [](char c) {
                       return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
                   })) {
            std::string folded(line);
            for (char& c : folded)
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            capitalised.insert(std::move(folded));
        }
    });
    // WordNet spells BOLIVIA the card game and OREO the cookie in lower case, but players know
    // them as names: a lemma the list has only with a capital is a proper noun. TURKEY and
    // POLISH, listed both ways, stay. Our own lists are reviewed against the same list.
    for (const auto& [lemma, senses] : lex.wn.senses)
        if (capitalised.count(lemma) && !words.count(lemma))
            leftOut.properNouns.insert(lemma);
    // A base word is never read as a form of another: our SOUTHERNER is no comparative.
    std::erase_if(words, [&](const std::string& w) {
        return lex.wn.senses.count(w) != 0 || lex.ours.count(w) != 0;
    });

    const Derivations derivations = deriveForms(lex, words);
    std::unordered_map<std::string, std::vector<std::string>> inflections;
    for (const std::string& word : words) {
        std::vector<std::string> rows = inflectionRows(lex, derivations, word);
        // Left out only here, so that the count holds just what would have been a word.
        if (!rows.empty() && !leaveOut(word, leftOut))
            inflections.emplace(word, std::move(rows));
    }
    return inflections;
}

using ExtraRows = std::unordered_map<std::string, std::vector<std::string>>;

// Our reviewed lists of words WordNet leaves out. Format: "WORD<TAB>(tag) meaning" with WORD in
// upper case; '#' starts a comment line. A broken line stops the build rather than being
// skipped, since a silently missing "THE" is hard to notice.
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

// The noun, verb and adjective rows of the everyday list, as senses to inflect. The glosses
// point into `everyday`, which must not change afterwards.
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

struct Options {
    fs::path wordnet;
    fs::path words;
    std::vector<fs::path> extra;
    std::vector<fs::path> everyday;
    fs::path out;
};

constexpr std::string_view kUsage =
    "usage: vortalex-gendict --wordnet DIR --words FILE --extra FILE... [--everyday FILE...]\n"
    "                        --out FILE\n"
    "  --wordnet DIR    WordNet 3.0 database directory (index.*, data.*, *.exc)\n"
    "  --words FILE     SCOWL word list, one word per line\n"
    "  --extra FILE     closed-class words, WORD<TAB>MEANING per line; may be repeated\n"
    "  --everyday FILE  everyday words WordNet lacks, same format, inflected like WordNet's\n"
    "                   nouns, verbs and adjectives; may be repeated\n"
    "  --out FILE       dictionary to write, WORD<TAB>MEANING per line\n";

std::optional<Options> parseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        fs::path* single = arg == "--wordnet" ? &options.wordnet
                           : arg == "--words" ? &options.words
                           : arg == "--out"   ? &options.out
                                              : nullptr;
        std::vector<fs::path>* repeated = arg == "--extra"      ? &options.extra
                                          : arg == "--everyday" ? &options.everyday
                                                                : nullptr;
        if ((!single && !repeated) || i + 1 == argc) {
            std::cerr << "vortalex-gendict: "
                      << (single || repeated ? "missing value for " : "unknown argument ") << arg
                      << "\n";
            return std::nullopt;
        }
        if (single)
            *single = argv[++i];
        else
            repeated->emplace_back(argv[++i]);
    }
    if (options.wordnet.empty() || options.words.empty() || options.extra.empty() ||
        options.out.empty()) {
        std::cerr << "vortalex-gendict: --wordnet, --words, --extra and --out are all required\n";
        return std::nullopt;
    }
    return options;
}

int run(const Options& options) {
    LeftOut leftOut;
    WordNet wn = loadWordNet(options.wordnet, leftOut);
    // One duplicate check across all our lists: the same row twice would show twice in the game.
    std::unordered_set<std::string> seen;
    ExtraRows closed;
    for (const fs::path& path : options.extra)
        loadExtra(path, closed, seen);
    ExtraRows everyday;
    for (const fs::path& path : options.everyday)
        loadExtra(path, everyday, seen);
    const Lexicon lex{wn, sensesOf(everyday)};
    const auto inflections = loadInflections(lex, options.words, leftOut);
    // Only after the forms are spelled: LOUVRED, which the list has in lower case, keeps its
    // meaning though LOUVRE itself is a name.
    std::erase_if(wn.senses,
                  [&](const auto& entry) { return leftOut.properNouns.count(entry.first) != 0; });
    // Our everyday rows follow the closed-class ones of the same word, both after WordNet's.
    for (auto& [word, meanings] : everyday) {
        std::vector<std::string>& rows = closed[word];
        rows.insert(rows.end(), meanings.begin(), meanings.end());
    }

    std::vector<std::string_view> words;
    words.reserve(wn.senses.size() + inflections.size() + closed.size());
    for (const auto& entry : wn.senses)
        words.push_back(entry.first);
    for (const auto& entry : inflections)
        words.push_back(entry.first);
    for (const auto& entry : closed)
        if (!wn.senses.count(entry.first) && !inflections.count(entry.first))
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
    for (std::string_view word : words) {
        const std::string key(word);
        const std::string upper = toUpper(word);
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
        if (auto it = closed.find(key); it != closed.end())
            for (const std::string& meaning : it->second)
                writeRow(upper, meaning);
    }

    // Write next to the target and rename, so that an interrupted build never leaves a
    // truncated dictionary that looks up to date.
    fs::path temp = options.out;
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
    fs::rename(temp, options.out, ec);
    if (ec) {
        const std::string why = ec.message();
        fs::remove(temp, ec);
        throw FileError("cannot write " + options.out.string() + ": " + why);
    }

    std::cout << "vortalex-gendict: " << words.size() << " words, " << rowCount << " rows, "
              << out.size() << " bytes written to " << options.out.string() << "; left out "
              << leftOut.numerals.size() << " Roman numerals, " << leftOut.abbreviations.size()
              << " abbreviations and " << leftOut.properNouns.size() << " proper nouns\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    std::optional<Options> options = parseArguments(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        return run(*options);
    } catch (const std::exception& e) {
        std::cerr << "vortalex-gendict: " << e.what() << "\n";
        return 1;
    }
}
