#include "core/common/EnglishLetters.h"

#include <array>

namespace vortalex::englishLetters {

namespace {

// The relative frequencies of letters in English text in thousandths of a percent, from Robert
// E. Lewand, "Cryptological Mathematics", Mathematical Association of America, 2000, p. 36
// (E 12.702%, T 9.056%, ..., Z 0.074%). Kept as whole numbers so that every build maps the same
// draw to the same letter; rounded as published, they add up to 99999, not 100000.
constexpr std::array<int, 26> kWeights{
    8167,  // A
    1492,  // B
    2782,  // C
    4253,  // D
    12702, // E
    2228,  // F
    2015,  // G
    6094,  // H
    6966,  // I
    153,   // J
    772,   // K
    4025,  // L
    2406,  // M
    6749,  // N
    7507,  // O
    1929,  // P
    95,    // Q
    5987,  // R
    6327,  // S
    9056,  // T
    2758,  // U
    978,   // V
    2360,  // W
    150,   // X
    1974,  // Y
    74,    // Z
};

constexpr int sum() {
    int total = 0;
    for (const int w : kWeights) {
        total += w;
    }
    return total;
}
static_assert(sum() == kTotalWeight);

} // namespace

int weight(QChar letter) {
    const int index = letter.unicode() - u'A';
    return index >= 0 && index < 26 ? kWeights.at(static_cast<std::size_t>(index)) : 0;
}

QChar draw(Random& random) {
    const int n = random.draw(kTotalWeight);
    int reached = 0;
    for (std::size_t i = 0; i < kWeights.size(); ++i) {
        reached += kWeights.at(i);
        if (n <= reached) {
            return QChar(static_cast<char16_t>(u'A' + i));
        }
    }
    return QChar(u'Z'); // unreachable: draw() never exceeds the total
}

} // namespace vortalex::englishLetters
