// WordNet 3.0 read into memory: every lower-case lemma with its senses, and the exception lists
// of irregular forms.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vortalex::gendict {

namespace fs = std::filesystem;

struct LeftOut;

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

    bool hasSense(const std::string& word, Pos pos) const;
    std::vector<std::string_view> glosses(const std::string& word, Pos pos) const;
};

// Reads the database in `dir`. Lemmas that are no words to a player are left out and noted.
WordNet loadWordNet(const fs::path& dir, LeftOut& leftOut);

} // namespace vortalex::gendict
