#include "core/common/FieldSolver.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vortalex {

namespace {

// A depth-first walk over the field that follows the lexicon's tree, so a path is given up as
// soon as no word begins with its letters.
class Walk {
public:
    Walk(const TileGrid& field, const Lexicon& lexicon, int minLength)
        : m_lexicon(lexicon)
        , m_minLength(static_cast<std::size_t>(std::max(minLength, 1)))
        , m_letter(static_cast<std::size_t>(field.count()) + 1, -1)
        , m_used(m_letter.size(), false)
        , m_firstNeighbour(m_letter.size() + 1, 0) {
        for (int i = 1; i <= field.count(); ++i) {
            const QString& letter = field.tile(i).letter;
            if (field.isPlaced(i) && letter.size() == 1 && letter.at(0) >= QLatin1Char('A') &&
                letter.at(0) <= QLatin1Char('Z')) {
                m_letter[static_cast<std::size_t>(i)] = letter.at(0).unicode() - u'A';
            }
        }
        // The neighbour lists are flattened once; the walk reads them many thousand times.
        for (int i = 1; i <= field.count(); ++i) {
            m_firstNeighbour[static_cast<std::size_t>(i)] = m_neighbours.size();
            for (const int n : field.neighbours(i)) {
                m_neighbours.push_back(n);
            }
        }
        m_firstNeighbour[static_cast<std::size_t>(field.count()) + 1] = m_neighbours.size();
    }

    std::vector<std::pair<std::uint32_t, std::string>> run() {
        for (std::size_t tile = 1; tile < m_letter.size(); ++tile) {
            step(tile, Lexicon::kRoot);
        }
        return std::move(m_found);
    }

private:
    void step(std::size_t tile, std::uint32_t from) {
        const int letter = m_letter[tile];
        if (letter < 0) {
            return;
        }
        const std::uint32_t node = m_lexicon.child(from, letter);
        if (node == Lexicon::kNone) {
            return;
        }
        m_used[tile] = true;
        m_path.push_back(static_cast<char>('A' + letter));
        if (m_path.size() >= m_minLength && m_lexicon.endsWord(node)) {
            m_found.emplace_back(node, m_path);
        }
        for (std::size_t k = m_firstNeighbour[tile]; k < m_firstNeighbour[tile + 1]; ++k) {
            const auto next = static_cast<std::size_t>(m_neighbours[k]);
            if (!m_used[next]) {
                step(next, node);
            }
        }
        m_path.pop_back();
        m_used[tile] = false;
    }

    const Lexicon& m_lexicon;
    std::size_t m_minLength;
    std::vector<int> m_letter; // 0 for A .. 25 for Z, -1 for no letter; index 0 unused
    std::vector<bool> m_used;
    std::vector<std::size_t> m_firstNeighbour;
    std::vector<int> m_neighbours;
    std::string m_path;
    std::vector<std::pair<std::uint32_t, std::string>> m_found;
};

} // namespace

QList<FoundWord> solveField(const TileGrid& field, const Lexicon& lexicon, int minLength) {
    std::vector<std::pair<std::uint32_t, std::string>> found =
        Walk(field, lexicon, minLength).run();
    // One node per word: paths that spell the same word end on the same node.
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                found.end());
    QList<FoundWord> words;
    words.reserve(static_cast<qsizetype>(found.size()));
    for (const auto& [node, spelling] : found) {
        words.append({QString::fromLatin1(spelling), lexicon.endsCommonWord(node)});
    }
    return words;
}

} // namespace vortalex
