// The words a source lists that are no words to a player: Roman numerals and abbreviations.
// Proper nouns are told apart where the word list is read (Inflections.cpp).
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace vortalex::gendict {

// Words a source lists that the dictionary leaves out, by reason; the generator reports how many.
struct LeftOut {
    std::unordered_set<std::string> numerals;
    std::unordered_set<std::string> abbreviations;
    std::unordered_set<std::string> properNouns;
};

// Spelled with the letters of Roman numerals only, as XII, ILX and also MIX and CIVIL are.
bool isRomanLetters(std::string_view word);

// True, noting why, for a word a source lists that is no word to a player.
bool leaveOut(const std::string& word, LeftOut& leftOut);

} // namespace vortalex::gendict
