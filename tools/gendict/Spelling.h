// The regular spellings of inflected forms: every candidate a base word could give, ranked,
// for the word list to confirm.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vortalex::gendict {

// How regular a spelling is. When two bases spell the same word the more regular reading wins:
// HOPED is HOPE's, since HOP makes HOPPED, and SINGING is SING's, since SINGE keeps its E.
enum Rank { kRegular = 0, kVariant = 1, kUnlikely = 2 };

struct Candidate {
    std::string word;
    int rank;
};

// The Y of BABY and COLLOQUY, which turns into I before an ending, unlike that of MONKEY.
bool endsInConsonantY(std::string_view w);

// BASE with "ed", "ing", "er" or "est". For "ed" and "er" the candidates come in the same order
// as for "est", which pairs comparatives with superlatives.
std::vector<Candidate> withVowelEnding(const std::string& base, std::string_view ending);

// BASE with "s" or "es": plurals and third persons. Nouns also take the plural spellings that no
// verb has.
std::vector<Candidate> withS(const std::string& base, bool noun);

} // namespace vortalex::gendict
