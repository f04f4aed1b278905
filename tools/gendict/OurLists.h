// Our own reviewed lists: the closed-class words WordNet leaves out, and the everyday words it
// lacks, which are inflected like its own.
#pragma once

#include "gendict/WordNet.h"

#include <filesystem>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vortalex::gendict {

using ExtraRows = std::unordered_map<std::string, std::vector<std::string>>;

// Adds one of our reviewed lists of words WordNet leaves out to `rows`; `seen` holds every row
// read so far, from any list. Format: "WORD<TAB>(tag) meaning" with WORD in upper case; '#'
// starts a comment line. A broken line stops the build rather than being skipped, since a
// silently missing "THE" is hard to notice.
void loadExtra(const fs::path& path, ExtraRows& rows, std::unordered_set<std::string>& seen);

// The noun, verb and adjective rows of the everyday list, as senses to inflect. The glosses
// point into `everyday`, which must not change afterwards.
std::unordered_map<std::string, std::vector<Sense>> sensesOf(const ExtraRows& everyday);

} // namespace vortalex::gendict
