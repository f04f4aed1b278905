#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace vortalex {

// The dictionary's distinct words as a letter tree, each word marked common or not, for the
// search of a whole field. A node is eight bytes: the index of its first child and a mask of the
// letters that have a child, so the child of a letter is found with one population count and
// the whole English list fits in a few megabytes. Only words of the letters A to Z are kept,
// since no tile carries anything else; letter case is ignored.
class Lexicon {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    static constexpr std::uint32_t kRoot = 0;

    Lexicon();
    // `common` may hold words outside `words`; only dictionary words are marked.
    static Lexicon build(const QStringList& words, const QStringList& common);
    // The same from texts of words separated by blanks.
    static Lexicon fromText(QStringView words, QStringView common);
    // The same from texts read one after the other, each let go as soon as it is taken apart,
    // which keeps the peak of a load of the whole word list low.
    static Lexicon fromTexts(const std::function<QString()>& readWords,
                             const std::function<QString()>& readCommon);

    // The child of `node` for `letter` (0 for A .. 25 for Z), or kNone.
    std::uint32_t child(std::uint32_t node, int letter) const {
        const std::uint32_t mask = m_nodes[node].bits & kLetterMask;
        const std::uint32_t bit = 1u << letter;
        if ((mask & bit) == 0) {
            return kNone;
        }
        return m_nodes[node].firstChild +
               static_cast<std::uint32_t>(std::popcount(mask & (bit - 1)));
    }
    bool endsWord(std::uint32_t node) const { return (m_nodes[node].bits & kWordBit) != 0; }
    bool endsCommonWord(std::uint32_t node) const { return (m_nodes[node].bits & kCommonBit) != 0; }

    bool contains(QStringView word) const { return endsWord(find(word)); }
    bool isCommon(QStringView word) const { return endsCommonWord(find(word)); }

    std::size_t wordCount() const { return m_wordCount; }
    std::size_t commonCount() const { return m_commonCount; }
    std::size_t nodeCount() const { return m_nodes.size(); }
    std::size_t memoryBytes() const { return sizeof(*this) + m_nodes.capacity() * sizeof(Node); }

private:
    class Spellings;
    static Lexicon fromSpellings(const Spellings& words, const Spellings& common);

    static constexpr std::uint32_t kLetterMask = (1u << 26) - 1;
    static constexpr std::uint32_t kWordBit = 1u << 26;
    static constexpr std::uint32_t kCommonBit = 1u << 27;

    struct Node {
        std::uint32_t firstChild = 0;
        std::uint32_t bits = 0;
    };

    // The node the word leads to; a word that leaves the tree leads to a node that ends nothing.
    std::uint32_t find(QStringView word) const;

    std::vector<Node> m_nodes;
    std::size_t m_wordCount = 0;
    std::size_t m_commonCount = 0;
};

} // namespace vortalex
