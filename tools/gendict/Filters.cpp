#include "gendict/Filters.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vortalex::gendict {

namespace {

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

} // namespace

bool isRomanLetters(std::string_view word) {
    return std::all_of(word.begin(), word.end(), [](char c) {
        return std::string_view("ivxlcdm").find(c) != std::string_view::npos;
    });
}

bool leaveOut(const std::string& word, LeftOut& leftOut) {
    if (isNumeralNotWord(word))
        return leftOut.numerals.insert(word), true;
    if (isAbbreviation(word))
        return leftOut.abbreviations.insert(word), true;
    return false;
}

} // namespace vortalex::gendict
