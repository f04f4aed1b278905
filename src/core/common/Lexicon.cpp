#include "Lexicon.h"

#include "common/Services.h"
#include "data/GameDatabase.h"

#include <algorithm>
#include <string>

namespace vortalex {

namespace {

// Upper-case A-Z spellings, sorted and each once; anything with another character is dropped.
std::vector<std::string> tileSpellings(const QStringList& words) {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(words.size()));
    for (const QString& word : words) {
        std::string spelling;
        spelling.reserve(static_cast<std::size_t>(word.size()));
        for (const QChar c : word) {
            const char16_t u = c.toUpper().unicode();
            if (u < u'A' || u > u'Z') {
                spelling.clear();
                break;
            }
            spelling.push_back(static_cast<char>(u));
        }
        if (!spelling.empty()) {
            result.push_back(std::move(spelling));
        }
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

} // namespace

Lexicon::Lexicon()
    : m_nodes(1) {}

Lexicon Lexicon::build(const QStringList& words, const QStringList& common) {
    const std::vector<std::string> sorted = tileSpellings(words);
    const std::vector<std::string> known = tileSpellings(common);
    Lexicon lexicon;

    // Each pending node covers the run of sorted words that share its prefix of `depth` letters.
    // Its children are appended together when it is taken, which keeps siblings contiguous.
    struct Pending {
        std::uint32_t node;
        std::size_t begin;
        std::size_t end;
        std::size_t depth;
    };
    std::vector<Pending> pending{{kRoot, 0, sorted.size(), 0}};
    while (!pending.empty()) {
        const Pending p = pending.back();
        pending.pop_back();
        std::size_t i = p.begin;
        std::uint32_t bits = 0;
        // The prefix itself, when it is a word, sorts before every longer word it begins.
        if (i < p.end && sorted[i].size() == p.depth) {
            bits |= kWordBit;
            ++lexicon.m_wordCount;
            if (std::binary_search(known.begin(), known.end(), sorted[i])) {
                bits |= kCommonBit;
                ++lexicon.m_commonCount;
            }
            ++i;
        }
        const auto firstChild = static_cast<std::uint32_t>(lexicon.m_nodes.size());
        while (i < p.end) {
            const char letter = sorted[i][p.depth];
            std::size_t j = i;
            while (j < p.end && sorted[j][p.depth] == letter) {
                ++j;
            }
            bits |= 1u << (letter - 'A');
            pending.push_back(
                {static_cast<std::uint32_t>(lexicon.m_nodes.size()), i, j, p.depth + 1});
            lexicon.m_nodes.emplace_back();
            i = j;
        }
        lexicon.m_nodes[p.node] = {firstChild, bits};
    }
    lexicon.m_nodes.shrink_to_fit();
    return lexicon;
}

Lexicon Lexicon::load(GameDatabase& db) {
    return build(db.dictionaryWords(), db.commonWords());
}

std::uint32_t Lexicon::find(QStringView word) const {
    std::uint32_t node = kRoot;
    for (const QChar c : word) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z') {
            return kRoot;
        }
        node = child(node, u - u'A');
        if (node == kNone) {
            return kRoot; // the root ends no word
        }
    }
    return node;
}

const Lexicon& runLexicon(Services& services) {
    if (!services.lexicon) {
        services.lexicon = std::make_shared<const Lexicon>(
            services.database != nullptr ? Lexicon::load(*services.database) : Lexicon());
    }
    return *services.lexicon;
}

} // namespace vortalex
