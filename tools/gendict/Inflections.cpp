#include "gendict/Inflections.h"

#include "gendict/Filters.h"
#include "gendict/Spelling.h"
#include "gendict/Text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <unordered_set>
#include <utility>

namespace vortalex::gendict {

namespace {

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

struct Derivation {
    Pos pos;                 // of the derived word
    Pos basePos;             // differs when a noun or adjective is used as a verb: BRICKED, LAZIED
    const std::string* base; // a key of WordNet::senses or BaseWords::ours, both left unchanged
    std::string_view form;
    int rank;
};

using Derivations = std::unordered_map<std::string, std::vector<Derivation>>;

constexpr unsigned bit(Pos pos) {
    return 1u << pos;
}

// Spells every regular form of every base and keeps the ones the word list has, so that no
// form the rules invent gets in. `words` holds the list's words that are not bases themselves.
Derivations deriveForms(const BaseWords& baseWords, const std::unordered_set<std::string>& words) {
    // Compounds inflect like their last word: AFTERLIFE as LIFE, OVEREAT as EAT. Both parts
    // have three letters at least, or BRING, read as B + RING, would give "brang".
    constexpr std::size_t kMinPart = 3;
    std::array<std::unordered_map<std::string_view, std::vector<std::string_view>>, 2> irregular;
    for (Pos pos : {Noun, Verb})
        for (const auto& [form, bases] : baseWords.wn.exceptions[pos])
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
    for (const auto& [base, senses] : baseWords.wn.senses) {
        unsigned parts = partsOf(senses);
        if (auto it = baseWords.ours.find(base); it != baseWords.ours.end())
            parts |= partsOf(it->second);
        derive(base, parts);
    }
    for (const auto& [base, senses] : baseWords.ours)
        if (!baseWords.wn.senses.count(base))
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
std::optional<Inflection> exceptionAs(const BaseWords& baseWords, const std::string& word,
                                      Pos pos) {
    auto exc = baseWords.wn.exceptions[pos].find(word);
    if (exc != baseWords.wn.exceptions[pos].end())
        for (const std::string& base : exc->second)
            if (baseWords.hasSense(base, pos))
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
std::vector<std::string> inflectionRows(const BaseWords& baseWords, const Derivations& derivations,
                                        const std::string& word) {
    constexpr std::size_t kMaxRows = 3;
    static const std::vector<Derivation> kNone;
    const auto derived = derivations.find(word);
    const std::vector<Derivation>& mine = derived == derivations.end() ? kNone : derived->second;

    std::vector<Inflection> inflections;
    for (Pos pos : {Noun, Verb, Adj}) {
        if (auto exc = exceptionAs(baseWords, word, pos))
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
        for (std::string_view gloss : baseWords.glosses(inflection.base, inflection.basePos)) {
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

} // namespace

bool BaseWords::hasSense(const std::string& word, Pos pos) const {
    if (wn.hasSense(word, pos))
        return true;
    auto it = ours.find(word);
    return it != ours.end() && std::any_of(it->second.begin(), it->second.end(),
                                           [pos](const Sense& s) { return s.pos == pos; });
}

std::vector<std::string_view> BaseWords::glosses(const std::string& word, Pos pos) const {
    std::vector<std::string_view> result;
    if (wn.senses.count(word))
        result = wn.glosses(word, pos);
    if (auto it = ours.find(word); it != ours.end())
        for (const Sense& s : it->second)
            if (s.pos == pos)
                result.push_back(s.gloss);
    return result;
}

void readWordList(const fs::path& path, WordList& into) {
    const std::string text = readFile(path);
    forEachLine(text, [&](std::string_view line, std::size_t) {
        line = trim(line);
        if (isLowerWord(line)) {
            into.words.emplace(line);
        } else if (!line.empty() && std::all_of(line.begin(), line.end(), [](char c) {
                       return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
                   })) {
            std::string folded(line);
            for (char& c : folded)
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            into.capitalised.insert(std::move(folded));
        }
    });
}

Inflections loadInflections(const BaseWords& baseWords, WordList list, LeftOut& leftOut) {
    std::unordered_set<std::string>& words = list.words;
    const std::unordered_set<std::string>& capitalised = list.capitalised;
    // WordNet spells BOLIVIA the card game and OREO the cookie in lower case, but players know
    // them as names: a lemma the list has only with a capital is a proper noun. TURKEY and
    // POLISH, listed both ways, stay, and so do ARMOUR and LOUVRE, which the American lists
    // have only as names and the British ones in lower case too. Our own lists are reviewed
    // against the same list.
    for (const auto& [lemma, senses] : baseWords.wn.senses)
        if (capitalised.count(lemma) && !words.count(lemma))
            leftOut.properNouns.insert(lemma);
    // A base word is never read as a form of another: our SOUTHERNER is no comparative.
    std::erase_if(words, [&](const std::string& w) {
        return baseWords.wn.senses.count(w) != 0 || baseWords.ours.count(w) != 0;
    });

    const Derivations derivations = deriveForms(baseWords, words);
    Inflections inflections;
    for (const std::string& word : words) {
        std::vector<std::string> rows = inflectionRows(baseWords, derivations, word);
        // Left out only here, so that the count holds just what would have been a word.
        if (!rows.empty() && !leaveOut(word, leftOut))
            inflections.emplace(word, std::move(rows));
    }
    return inflections;
}

} // namespace vortalex::gendict
