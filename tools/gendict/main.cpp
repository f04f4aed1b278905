// vortalex-gendict: builds the game's dictionary, a UTF-8 file of WORD<TAB>MEANING rows sorted
// by word, from WordNet 3.0, the SCOWL word lists and our own lists of closed-class and everyday
// words. Inflected forms are spelled from their base words and kept when SCOWL lists them;
// British spellings take the meanings of their American words.
//
// It runs at build time whenever one of its inputs changes, so it has to stay fast: every input
// file is read once into memory and WordNet synsets are looked up by their byte offset instead
// of being indexed.

#include "gendict/British.h"
#include "gendict/DictionaryFile.h"
#include "gendict/Filters.h"
#include "gendict/Inflections.h"
#include "gendict/OurLists.h"
#include "gendict/WordNet.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

using namespace vortalex::gendict;

struct Options {
    fs::path wordnet;
    fs::path words;
    std::vector<fs::path> british;
    std::vector<fs::path> extra;
    std::vector<fs::path> everyday;
    fs::path out;
};

constexpr std::string_view kUsage =
    "usage: vortalex-gendict --wordnet DIR --words FILE [--british FILE...] --extra FILE...\n"
    "                        [--everyday FILE...] --out FILE\n"
    "  --wordnet DIR    WordNet 3.0 database directory (index.*, data.*, *.exc)\n"
    "  --words FILE     SCOWL word list, one word per line\n"
    "  --british FILE   SCOWL's British word list, one word per line; its spellings take the\n"
    "                   meanings of their American words; may be repeated\n"
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
                                          : arg == "--british"  ? &options.british
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
    const BaseWords baseWords{wn, sensesOf(everyday)};
    WordList american;
    readWordList(options.words, american);
    WordList british;
    for (const fs::path& path : options.british)
        readWordList(path, british);
    // A British list's lower-case word is no name (ARMOUR, though the American list has only
    // Armour), and its forms of WordNet's words (DREAMT, CHEQUES) are read like American ones.
    // Its capitals make no new names: LATINISE stays a word.
    WordList both = american;
    both.words.insert(british.words.begin(), british.words.end());
    auto inflections = loadInflections(baseWords, std::move(both), leftOut);
    // Only after the forms are spelled: LOUVRED, which a list has in lower case, keeps its
    // meaning even where the lists have LOUVRE only as a name.
    std::erase_if(wn.senses,
                  [&](const auto& entry) { return leftOut.properNouns.count(entry.first) != 0; });
    // Our everyday rows follow the closed-class ones of the same word, both after WordNet's.
    for (auto& [word, meanings] : everyday) {
        std::vector<std::string>& rows = closed[word];
        rows.insert(rows.end(), meanings.begin(), meanings.end());
    }

    // The British spellings the dictionary lacks, or has only as a form read from the British
    // list, are paired with an American word: one of the American list that has rows.
    std::unordered_set<std::string> britishOnly;
    for (const std::string& word : british.words)
        if (!american.words.count(word) && !wn.senses.count(word) && !closed.count(word))
            britishOnly.insert(word);
    BritishPairs pairs = pairBritish(britishOnly, [&](const std::string& word) {
        return american.words.count(word) &&
               (wn.senses.count(word) || inflections.count(word) || closed.count(word));
    });
    std::erase_if(pairs, [&](const auto& entry) { return leaveOut(entry.first, leftOut); });
    for (const auto& entry : pairs)
        inflections.erase(entry.first);

    const DictionaryCounts counts = writeDictionary(wn, inflections, closed, pairs, options.out);
    std::cout << "vortalex-gendict: " << counts.words << " words, " << counts.rows << " rows, "
              << counts.bytes << " bytes written to " << options.out.string() << "; left out "
              << leftOut.numerals.size() << " Roman numerals, " << leftOut.abbreviations.size()
              << " abbreviations and " << leftOut.properNouns.size() << " proper nouns; "
              << pairs.size() << " British spellings take their American words' meanings\n";
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
