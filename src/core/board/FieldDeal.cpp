#include "core/board/FieldDeal.h"

#include "core/common/EnglishLetters.h"
#include "core/common/SplitMix64.h"

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
    m_day.reset();
    m_dayStream.reset();
}

void FieldDeal::seedDay(const DayField& day, std::unique_ptr<Random> passing) {
    m_random = std::move(passing);
    m_day = day;
    m_dayStream = std::make_unique<SplitMix64>(SplitMix64::forDate(day.date));
    m_firstDayFieldDraws = 0;
}

QString FieldDeal::passingLetter() {
    if (m_day) {
        return QString(englishLetters::draw(*m_random));
    }
    return QString(QChar(u'A' + m_random->draw(26) - 1));
}

QString FieldDeal::keptLetter() {
    if (m_day) {
        return QString(englishLetters::draw(*m_dayStream));
    }
    return passingLetter();
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
        settle(grid);
        m_fields.append(grid);
    }
}

bool FieldDeal::freeze(TileGrid& grid) {
    if (!m_running) {
        return false;
    }
    m_running = false;
    if (m_day) {
        settle(grid);
    }
    m_fields.append(grid);
    return m_day.has_value();
}

void FieldDeal::refillUsed(TileGrid& grid) {
    for (int i = 1; i <= grid.count(); ++i) {
        if (grid.tile(i).used) {
            grid.tile(i).letter = keptLetter();
        }
    }
    grid.reset();
}

void FieldDeal::fill(TileGrid& grid) {
    grid.placeTiles();
    for (int i = 1; i <= grid.count(); ++i) {
        grid.tile(i).letter = passingLetter();
    }
    grid.reset();
}

void FieldDeal::settle(TileGrid& grid) {
    if (m_day) {
        drawDayField(grid);
    } else {
        fillWithVowelQuota(grid);
    }
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

void FieldDeal::drawDayField(TileGrid& grid) {
    grid.placeTiles();
    // Only the first field of the day is checked: a shuffle is the player's own choice.
    const bool check = m_firstDayFieldDraws == 0;
    for (int draws = 1;; ++draws) {
        for (int i = 1; i <= grid.count(); ++i) {
            grid.tile(i).letter = keptLetter();
        }
        if (check) {
            m_firstDayFieldDraws = draws;
        }
        if (!check || draws >= DayField::kMostFirstDraws ||
            m_day->wordsOn(grid) >= DayField::kWordFloor) {
            break;
        }
    }
    grid.reset();
}

} // namespace vortalex
