// vortalex-gendict: builds the game's dictionary, a UTF-8 file of WORD<TAB>MEANING rows sorted
// by word, from WordNet 3.0, the SCOWL word list and our own lists of closed-class and everyday
// words. Inflected forms are spelled from their base words and kept when SCOWL lists them.
//
// It runs at build time whenever one of its inputs changes, so it has to stay fast: every input
// file is read once into memory and WordNet synsets are looked up by their byte offset instead
// of being indexed.

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
    const BaseWords baseWords{wn, sensesOf(everyday)};
    const auto inflections = loadInflections(baseWords, options.words, leftOut);
    // Only after the forms are spelled: LOUVRED, which the list has in lower case, keeps its
    // meaning though LOUVRE itself is a name.
    std::erase_if(wn.senses,
                  [&](const auto& entry) { return leftOut.properNouns.count(entry.first) != 0; });
    // Our everyday rows follow the closed-class ones of the same word, both after WordNet's.
    for (auto& [word, meanings] : everyday) {
        std::vector<std::string>& rows = closed[word];
        rows.insert(rows.end(), meanings.begin(), meanings.end());
    }

    const DictionaryCounts counts = writeDictionary(wn, inflections, closed, options.out);
    std::cout << "vortalex-gendict: " << counts.words << " words, " << counts.rows << " rows, "
              << counts.bytes << " bytes written to " << options.out.string() << "; left out "
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
