#include "core/common/WordTracer.h"

#include <vector>

namespace vortalex {

namespace {

class Search {
public:
    Search(const TileGrid& grid, const QString& word, const QList<int>& preferred)
        : m_grid(grid)
        , m_word(word.toUpper())
        , m_preferred(preferred)
        , m_taken(static_cast<std::size_t>(grid.count() + 1), false) {}

    std::optional<QList<int>> run() {
        if (m_word.isEmpty() || m_word.size() > m_grid.count()) {
            return std::nullopt;
        }
        QList<int> all;
        for (int i = 1; i <= m_grid.count(); ++i) {
            all.append(i);
        }
        if (descend(all)) {
            return m_chain;
        }
        return std::nullopt;
    }

private:
    bool fits(int index, qsizetype depth) const {
        const TileRecord& t = m_grid.tile(index);
        return m_grid.isPlaced(index) && !m_taken.at(static_cast<std::size_t>(index)) &&
               t.letter.size() == 1 && t.letter.at(0) == m_word.at(depth);
    }

    bool descend(const QList<int>& candidates) {
        const qsizetype depth = m_chain.size();
        if (depth == m_word.size()) {
            return true;
        }
        // The preferred tile goes first: depth-first search then backs off from the deepest
        // shared start, so the first chain found keeps as much of the preferred one as can be.
        QList<int> order;
        if (depth < m_preferred.size() && candidates.contains(m_preferred.at(depth))) {
            order.append(m_preferred.at(depth));
        }
        for (int c : candidates) {
            if (order.isEmpty() || c != order.first()) {
                order.append(c);
            }
        }
        for (int index : order) {
            if (--m_budget < 0) {
                return false;
            }
            if (!fits(index, depth)) {
                continue;
            }
            m_taken.at(static_cast<std::size_t>(index)) = true;
            m_chain.append(index);
            if (descend(m_grid.neighbours(index))) {
                return true;
            }
            m_chain.removeLast();
            m_taken.at(static_cast<std::size_t>(index)) = false;
            if (m_budget < 0) {
                return false;
            }
        }
        return false;
    }

    const TileGrid& m_grid;
    const QString m_word;
    const QList<int>& m_preferred;
    std::vector<bool> m_taken;
    QList<int> m_chain;
    int m_budget = WordTracer::kSearchBudget;
};

} // namespace

std::optional<QList<int>> WordTracer::trace(const TileGrid& grid, const QString& word,
                                            const QList<int>& preferred) {
    return Search(grid, word, preferred).run();
}

std::optional<QList<int>> WordTracer::extend(const TileGrid& grid, QChar letter) {
    return extend(grid, grid.chain(), letter);
}

std::optional<QList<int>> WordTracer::extend(const TileGrid& grid, const QList<int>& picked,
                                             QChar letter) {
    return trace(grid, lettersOf(grid, picked) + letter, picked);
}

QString WordTracer::lettersOf(const TileGrid& grid, const QList<int>& chain) {
    QString letters;
    for (int index : chain) {
        letters += grid.tile(index).letter;
    }
    return letters;
}

} // namespace vortalex
