// The generated dictionary: one WORD<TAB>MEANING row per meaning, sorted by word.
#pragma once

#include "gendict/British.h"
#include "gendict/Inflections.h"
#include "gendict/OurLists.h"
#include "gendict/WordNet.h"

#include <cstddef>
#include <filesystem>

namespace vortalex::gendict {

// What the build step's closing line reports.
struct DictionaryCounts {
    std::size_t words = 0;
    std::size_t rows = 0;
    std::size_t bytes = 0;
};

// Writes every word's rows to `path`: WordNet's senses, or else those of its inflection, then
// our own rows; a British spelling gets a row naming its American word, then that word's rows.
// The file is replaced only once it is whole.
DictionaryCounts writeDictionary(const WordNet& wn, const Inflections& inflections,
                                 const ExtraRows& ours, const BritishPairs& british,
                                 const fs::path& path);

} // namespace vortalex::gendict
