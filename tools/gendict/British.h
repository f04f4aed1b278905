// British spellings paired with the American ones the dictionary already has: COLOURED with
// COLORED, CENTRES with CENTERS, CATALOGUING with CATALOGING. The British lists say which
// spellings exist, the rules here which American word each could stand for, and the American
// list and the dictionary confirm it, so that no rule alone can let a word in.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vortalex::gendict {

// The American spellings `british` could stand for, fewest changes first and then in the order
// of the rules, so that the first one the dictionary has is the pairing.
std::vector<std::string> americanSpellings(const std::string& british);

// British word -> the American word whose meanings it shows, for each of `british` that has one
// `isAmericanWord` accepts.
using BritishPairs = std::unordered_map<std::string, std::string>;
BritishPairs pairBritish(const std::unordered_set<std::string>& british,
                         const std::function<bool(const std::string&)>& isAmericanWord);

} // namespace vortalex::gendict
