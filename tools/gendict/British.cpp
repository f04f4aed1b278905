#include "gendict/British.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vortalex::gendict {

namespace {

bool isVowel(char c) {
    return std::string_view("aeiou").find(c) != std::string_view::npos;
}

// Where a rule may change a word: `at` is where its British fragment starts, `size` its length.
using Fits = bool (*)(std::string_view word, std::size_t at, std::size_t size);

bool anywhere(std::string_view, std::size_t, std::size_t) {
    return true;
}

bool notFirst(std::string_view, std::size_t at, std::size_t) {
    return at > 0;
}

// COLOUR, HONOURABLE: a suffix after a stem of two letters at least, so that LOURY (to lour)
// does not turn into LORY, a parrot.
bool afterStem(std::string_view, std::size_t at, std::size_t) {
    return at >= 2;
}

// CENTRE, CENTRES, CENTRED, CENTRING, THEATREGOER: the R follows a consonant and the ending
// ends the word or meets a consonant. Not PREVIOUS, CREE or AREOLOGY.
bool afterConsonantR(std::string_view w, std::size_t at, std::size_t size) {
    const std::size_t end = at + size;
    return at >= 2 && !isVowel(w[at - 1]) && (end == w.size() || !isVowel(w[end]));
}

// REALISE, REALISATION, ANALYSING: the S of a suffix after a stem, before a vowel. Not WISEN.
bool sBeforeVowel(std::string_view w, std::size_t at, std::size_t size) {
    const std::size_t end = at + size;
    return at >= 2 && end < w.size() && isVowel(w[end]);
}

// FULFIL, ENROLMENT, SKILFUL: one L after a single vowel, before a consonant or the end.
bool singleLAfterVowel(std::string_view w, std::size_t at, std::size_t) {
    const std::size_t end = at + 1;
    return at >= 2 && std::string_view("aio").find(w[at - 1]) != std::string_view::npos &&
           !isVowel(w[at - 2]) && (end == w.size() || (!isVowel(w[end]) && w[end] != 'l'));
}

// FOETUS, OESTROGEN, PAEDIATRIC. Not the endings of FOSSAE and MANTOES, nor AEROSE, whose
// AER- is air, nor LOESS.
bool digraphInside(std::string_view w, std::size_t at, std::size_t size) {
    const std::string_view rest = w.substr(at + size);
    return !rest.empty() && rest != "s" && !rest.starts_with('r') && !rest.starts_with("ss");
}

// In the order they are tried: the most common first, so that CONCRETISED is CONCRETIZED before
// the -re rule can make it CONCERTISED.
struct Rule {
    std::string_view british;
    std::string_view american;
    Fits fits;
};

// clang-format off
constexpr std::array kRules = {
    Rule{"is", "iz", sBeforeVowel},       // REALISE, ORGANISATION
    Rule{"ys", "yz", sBeforeVowel},       // ANALYSE
    Rule{"our", "or", afterStem},         // COLOUR, FAVOURITE
    Rule{"re", "er", afterConsonantR},    // CENTRE, FIBRES
    Rule{"red", "ered", afterConsonantR}, // CENTRED
    Rule{"ring", "ering", afterConsonantR}, // CENTRING
    Rule{"ence", "ense", notFirst},       // DEFENCE, LICENCE
    Rule{"ogue", "og", notFirst},         // CATALOGUE, CATALOGUES
    Rule{"ogu", "og", notFirst},          // CATALOGUED, CATALOGUING
    Rule{"ll", "l", notFirst},            // TRAVELLED, COUNSELLOR
    Rule{"l", "ll", singleLAfterVowel},   // FULFIL, SKILFUL
    Rule{"ae", "e", digraphInside},       // ANAEMIA, AESTHETICIAN
    Rule{"oe", "e", digraphInside},       // FOETUS, MANOEUVRE
    // The irregular ones the British lists hold beside their American words
    Rule{"gramme", "gram", anywhere},     // KILOGRAMME, REPROGRAMMES
    Rule{"draught", "draft", anywhere},   // UPDRAUGHT, DRAUGHTSMEN
    Rule{"mould", "mold", anywhere},      // MOULDS, SMOULDERED
    Rule{"moult", "molt", anywhere},
    Rule{"plough", "plow", anywhere},
    Rule{"chequer", "checker", anywhere}, // CHEQUERBOARD
    Rule{"chequebook", "checkbook", anywhere},
    Rule{"almanack", "almanac", anywhere},
    Rule{"burkha", "burka", anywhere},
    Rule{"sulph", "sulf", anywhere},      // SULPHATES
    Rule{"sceptic", "skeptic", anywhere},
    Rule{"gaol", "jail", anywhere},
    Rule{"kerb", "curb", anywhere},
    Rule{"pyjama", "pajama", anywhere},
    Rule{"waggon", "wagon", anywhere},
    Rule{"aero", "air", anywhere},        // AEROPLANES, AEROFOILS
    Rule{"cyph", "ciph", anywhere},
    Rule{"xion", "ction", anywhere},      // CONNEXIONS, INFLEXIONS
    Rule{"queueing", "queuing", anywhere},
    Rule{"ialit", "ialt", anywhere},      // SPECIALITIES
    Rule{"behov", "behoov", anywhere},
    Rule{"furore", "furor", anywhere},
    Rule{"baulk", "balk", anywhere},
    Rule{"dgement", "dgment", anywhere},  // PREJUDGEMENTS
    Rule{"moustach", "mustach", anywhere},
};
// clang-format on

} // namespace

std::vector<std::string> americanSpellings(const std::string& british) {
    // Two changes cover COLOURISE and MANOEUVRED; more only let far-fetched pairings in. The
    // spellings come in the order of the rules and of their places in the word.
    constexpr int kMaxChanges = 2;
    std::vector<std::string> found;
    std::vector<std::string> level{british};
    std::unordered_set<std::string> seen{british};
    for (int change = 0; change < kMaxChanges; ++change) {
        std::vector<std::string> next;
        for (const std::string& word : level)
            for (const Rule& rule : kRules)
                for (std::size_t at = word.find(rule.british); at != std::string::npos;
                     at = word.find(rule.british, at + 1)) {
                    if (!rule.fits(word, at, rule.british.size()))
                        continue;
                    std::string spelled = word.substr(0, at) + std::string(rule.american) +
                                          word.substr(at + rule.british.size());
                    if (seen.insert(spelled).second)
                        next.push_back(std::move(spelled));
                }
        found.insert(found.end(), next.begin(), next.end());
        level = std::move(next);
    }
    return found;
}

BritishPairs pairBritish(const std::unordered_set<std::string>& british,
                         const std::function<bool(const std::string&)>& isAmericanWord) {
    BritishPairs pairs;
    // A word of two letters is never played: AEQ, an abbreviation, is no British EQ.
    constexpr std::size_t kMinLetters = 3;
    for (const std::string& word : british)
        for (std::string& american : americanSpellings(word))
            if (american.size() >= kMinLetters && isAmericanWord(american)) {
                pairs.emplace(word, std::move(american));
                break;
            }
    return pairs;
}

} // namespace vortalex::gendict
