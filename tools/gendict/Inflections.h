// The forms of base words that WordNet lists only through their base (BRICKED, BABIER), spelled
// by rule and kept when the word list has them, with meanings that name their base.
#pragma once

#include "gendict/WordNet.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vortalex::gendict {

struct LeftOut;

// The words inflected forms are built on: WordNet's lemmas, and the nouns, verbs and adjectives
// of our own list of everyday words, whose meanings then carry over just as WordNet's do.
struct BaseWords {
    const WordNet& wn;
    std::unordered_map<std::string, std::vector<Sense>> ours;

    bool hasSense(const std::string& word, Pos pos) const;
    std::vector<std::string_view> glosses(const std::string& word, Pos pos) const;
};

// SCOWL lists as read: their words in lower case, and, lower-cased, those they spell with a
// capital. Entries with apostrophes or accents are never playable and are skipped.
struct WordList {
    std::unordered_set<std::string> words;
    std::unordered_set<std::string> capitalised;
};
void readWordList(const fs::path& path, WordList& into);

// Word -> its rows, for every word of `list` read as a form of a base word. Lemmas the list has
// only with a capital are noted as proper nouns.
using Inflections = std::unordered_map<std::string, std::vector<std::string>>;
Inflections loadInflections(const BaseWords& baseWords, WordList list, LeftOut& leftOut);

} // namespace vortalex::gendict
