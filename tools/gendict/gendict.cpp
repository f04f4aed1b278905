// vortalex-gendict: builds the game's dictionary, a UTF-8 file of WORD<TAB>MEANING rows sorted
// by word, from WordNet 3.0, the SCOWL word list and our own list of closed-class words.
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
    std::string_view gloss; // points into WordNet::data, which outlives every Sense
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

// A data.* line: "offset lex_filenum ss_type w_cnt word lex_id [word lex_id...] ... | gloss".
// Returns the gloss when one of the synset's words is spelled exactly like `lemma`. Spelling
// matters: "Paris" the city is stored capitalised, and a proper noun is not a playable word.
std::optional<std::string_view> glossIfSpelledLower(const std::string& data, unsigned long offset,
                                                    const std::string& lemma, Pos pos,
                                                    const fs::path& dataPath) {
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
    for (unsigned long i = 0; i < wordCount && !spelledLower; ++i) {
        std::string_view word = fields[4 + 2 * i];
        // Adjectives may carry a syntactic marker such as "(a)", "(p)" or "(ip)".
        if (pos == Adj && !word.empty() && word.back() == ')')
            word = word.substr(0, word.rfind('('));
        spelledLower = word == lemma;
    }
    if (!spelledLower)
        return std::nullopt;
    return bar == std::string_view::npos ? std::string_view() : trim(line.substr(bar + 1));
}

void loadIndex(WordNet& wn, Pos pos, const fs::path& dir) {
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
            if (auto gloss = glossIfSpelledLower(data, offset, lemma, pos, dataPath))
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

WordNet loadWordNet(const fs::path& dir) {
    WordNet wn;
    // Read every data file before any index so that the glosses' string_views stay valid.
    for (int pos = 0; pos < kPosCount; ++pos)
        wn.data[pos] = readFile(dir / ("data." + std::string(kPosFile[pos])));
    for (int pos = 0; pos < kPosCount; ++pos)
        loadIndex(wn, static_cast<Pos>(pos), dir);
    for (int pos = Noun; pos <= Adj; ++pos)
        loadExceptions(wn, static_cast<Pos>(pos), dir);
    return wn;
}

struct SuffixRule {
    std::string_view suffix;
    std::string_view replacement;
    std::string_view form; // how the inflected word relates to its base
};

constexpr std::string_view kPlural = "plural of";
constexpr std::string_view kThirdPerson = "third person singular of";
constexpr std::string_view kPast = "past tense or past participle of";
constexpr std::string_view kPresentParticiple = "present participle of";
constexpr std::string_view kComparative = "comparative of";
constexpr std::string_view kSuperlative = "superlative of";

// Tried in order; the first rule whose base is a WordNet word of the same part of speech wins.
const std::array<std::vector<SuffixRule>, 3> kSuffixRules = {{
    {{"s", "", kPlural},
     {"ses", "s", kPlural},
     {"xes", "x", kPlural},
     {"zes", "z", kPlural},
     {"ches", "ch", kPlural},
     {"shes", "sh", kPlural},
     {"men", "man", kPlural},
     {"ies", "y", kPlural}},
    {{"s", "", kThirdPerson},
     {"ies", "y", kThirdPerson},
     {"es", "e", kThirdPerson},
     {"es", "", kThirdPerson}, // only after a sibilant or o, see sibilantOrO()
     {"ed", "e", kPast},
     {"ed", "", kPast},
     {"ing", "e", kPresentParticiple},
     {"ing", "", kPresentParticiple}},
    {{"er", "", kComparative},
     {"est", "", kSuperlative},
     {"er", "e", kComparative},
     {"est", "e", kSuperlative}},
}};

bool sibilantOrO(std::string_view stem) {
    return stem.ends_with('s') || stem.ends_with('x') || stem.ends_with('z') ||
           stem.ends_with("ch") || stem.ends_with("sh") || stem.ends_with('o');
}

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

struct Inflection {
    Pos pos;
    std::string base;
    std::string_view form;
};

std::optional<Inflection> inflectionAs(const WordNet& wn, const std::string& word, Pos pos) {
    // Exception entries come first and are trusted, even for irregular forms like "geese".
    auto exc = wn.exceptions[pos].find(word);
    if (exc != wn.exceptions[pos].end())
        for (const std::string& base : exc->second)
            if (wn.hasSense(base, pos))
                return Inflection{pos, base, exceptionForm(pos, word)};

    // A word ending in -ss is not a plural made with -s: "kumiss" is another spelling of "kumis".
    if (pos == Noun && word.ends_with("ss"))
        return std::nullopt;
    for (const SuffixRule& rule : kSuffixRules[pos]) {
        if (word.size() <= rule.suffix.size() || !word.ends_with(rule.suffix))
            continue;
        std::string_view stem = std::string_view(word).substr(0, word.size() - rule.suffix.size());
        // One-letter bases are letters, numerals and symbols: "is" is not the plural of the
        // letter i, nor "der" the comparative of the Roman numeral d.
        if (stem.size() + rule.replacement.size() < 2)
            continue;
        if (pos == Verb && rule.suffix == "es" && rule.replacement.empty() && !sibilantOrO(stem))
            continue;
        std::string base = std::string(stem) + std::string(rule.replacement);
        if (wn.hasSense(base, pos))
            return Inflection{pos, std::move(base), rule.form};
    }
    return std::nullopt;
}

// Rows for a SCOWL word that WordNet lists only through its base form: the base's meanings in
// sense order, part of speech by part of speech, at most three in all so that a form never
// buries its base's list.
std::vector<std::string> inflectionRows(const WordNet& wn, const std::string& word) {
    constexpr std::size_t kMaxRows = 3;
    std::vector<std::string> rows;
    for (Pos pos : {Noun, Verb, Adj}) {
        std::optional<Inflection> inflection = inflectionAs(wn, word, pos);
        if (!inflection)
            continue;
        for (std::string_view gloss : wn.glosses(inflection->base, pos)) {
            if (rows.size() == kMaxRows)
                return rows;
            std::string row(kPosTag[pos]);
            row += ' ';
            row += inflection->form;
            row += ' ';
            row += toUpper(inflection->base);
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
loadInflections(const WordNet& wn, const fs::path& wordsPath) {
    const std::string text = readFile(wordsPath);
    std::unordered_map<std::string, std::vector<std::string>> inflections;
    forEachLine(text, [&](std::string_view line, std::size_t) {
        // Entries with capitals (names), apostrophes or accents are never playable.
        line = trim(line);
        if (!isLowerWord(line))
            return;
        std::string word(line);
        if (wn.senses.count(word) || inflections.count(word))
            return;
        std::vector<std::string> rows = inflectionRows(wn, word);
        if (!rows.empty())
            inflections.emplace(std::move(word), std::move(rows));
    });
    return inflections;
}

// Our reviewed list of articles, pronouns, prepositions and other words WordNet leaves out.
// Format: "WORD<TAB>meaning" in upper case; '#' starts a comment line. A broken line stops the
// build rather than being skipped, since a silently missing "THE" is hard to notice.
std::unordered_map<std::string, std::vector<std::string>> loadClosedClass(const fs::path& path) {
    const std::string text = readFile(path);
    std::unordered_map<std::string, std::vector<std::string>> closed;
    std::unordered_set<std::string> seen;
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
        if (meaning.empty() || meaning.find('\t') != std::string_view::npos)
            malformed(path, lineNumber, "meaning must be non-empty and contain no tab");
        if (!seen.insert(std::string(line)).second)
            malformed(path, lineNumber, "duplicate row");
        std::string key(word);
        std::transform(key.begin(), key.end(), key.begin(),
                       [](char c) { return static_cast<char>(c - 'A' + 'a'); });
        closed[key].emplace_back(meaning);
    });
    return closed;
}

struct Options {
    fs::path wordnet;
    fs::path words;
    fs::path extra;
    fs::path out;
};

constexpr std::string_view kUsage =
    "usage: vortalex-gendict --wordnet DIR --words FILE --extra FILE --out FILE\n"
    "  --wordnet DIR  WordNet 3.0 database directory (index.*, data.*, *.exc)\n"
    "  --words FILE   SCOWL word list, one word per line\n"
    "  --extra FILE   closed-class words, WORD<TAB>MEANING per line\n"
    "  --out FILE     dictionary to write, WORD<TAB>MEANING per line\n";

std::optional<Options> parseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        fs::path* target = arg == "--wordnet" ? &options.wordnet
                           : arg == "--words" ? &options.words
                           : arg == "--extra" ? &options.extra
                           : arg == "--out"   ? &options.out
                                              : nullptr;
        if (!target || i + 1 == argc) {
            std::cerr << "vortalex-gendict: "
                      << (target ? "missing value for " : "unknown argument ") << arg << "\n";
            return std::nullopt;
        }
        *target = argv[++i];
    }
    if (options.wordnet.empty() || options.words.empty() || options.extra.empty() ||
        options.out.empty()) {
        std::cerr << "vortalex-gendict: --wordnet, --words, --extra and --out are all required\n";
        return std::nullopt;
    }
    return options;
}

int run(const Options& options) {
    const WordNet wn = loadWordNet(options.wordnet);
    const auto inflections = loadInflections(wn, options.words);
    const auto closed = loadClosedClass(options.extra);

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
              << out.size() << " bytes written to " << options.out.string() << "\n";
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
