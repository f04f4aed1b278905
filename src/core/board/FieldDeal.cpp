#include "core/board/FieldDeal.h"

#include <QStringList>

namespace vortalex {

namespace {

bool isVowel(const QString& letter) {
    return letter.size() == 1 && QStringLiteral("AEIOU").contains(letter.at(0));
}

} // namespace

FieldDeal::FieldDeal(const LevelInfo& info)
    : m_info(info) {}

void FieldDeal::seed(std::unique_ptr<Random> random) {
    m_random = std::move(random);
}

QString FieldDeal::drawLetter() {
    return QString(QChar(u'A' + m_random->draw(26) - 1));
}

void FieldDeal::start() {
    m_ticks = 1;
    m_running = true;
}

void FieldDeal::tick(TileGrid& grid) {
    if (!m_running) {
        return;
    }
    fill(grid);
    ++m_ticks;
    if (m_ticks == kTicks) {
        // The ninth random fill never stands: the final field replaces it in the same tick.
        m_running = false;
        fillWithVowelQuota(grid);
        m_fields.append(grid);
    }
}

void FieldDeal::freeze(const TileGrid& grid) {
    if (m_running) {
        m_running = false;
        m_fields.append(grid);
    }
}

void FieldDeal::refillUsed(TileGrid& grid) {
    for (int i = 1; i <= grid.count(); ++i) {
        if (grid.tile(i).used) {
            grid.tile(i).letter = drawLetter();
        }
    }
    grid.reset();
}

void FieldDeal::fill(TileGrid& grid) {
    grid.placeTiles();
    for (int i = 1; i <= grid.count(); ++i) {
        grid.tile(i).letter = drawLetter();
    }
    grid.reset();
}

void FieldDeal::fillWithVowelQuota(TileGrid& grid) {
    fill(grid);
    int vowelCount = 0;
    for (int i = 1; i <= grid.count(); ++i) {
        vowelCount += isVowel(grid.tile(i).letter) ? 1 : 0;
    }
    // Turns random consonants into vowels until the quota is met; a tile that became a vowel
    // is never drawn for change again, so the loop ends.
    static const QStringList kVowels{"A", "E", "I", "O", "U"};
    while (vowelCount < m_info.vowelQuota) {
        TileRecord& t = grid.tile(m_random->draw(grid.count()));
        if (isVowel(t.letter)) {
            continue;
        }
        t.letter = kVowels.at(m_random->draw(5) - 1);
        ++vowelCount;
    }
}

} // namespace vortalex
