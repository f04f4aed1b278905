#include "gendict/Spelling.h"

#include <cstddef>

namespace vortalex::gendict {

namespace {

bool isVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool endsInSibilant(std::string_view w) {
    return w.ends_with('s') || w.ends_with('x') || w.ends_with('z') || w.ends_with("ch") ||
           w.ends_with("sh");
}

// Vowel groups, y counting as a vowel after the first letter: near enough to syllables to tell
// BLOG, whose G always doubles, from VISIT, whose T doubles only in some longer words.
int syllableCount(std::string_view w) {
    int count = 0;
    bool inVowel = false;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const bool vowel = isVowel(w[i]) || (w[i] == 'y' && i > 0);
        if (vowel && !inVowel)
            ++count;
        inVowel = vowel;
    }
    return count;
}

enum class Doubling { Never, Usually, Sometimes };

// A final consonant after a single vowel doubles when that last syllable is stressed (BLOG,
// BLOGGED; BACKLOG, BACKLOGGED; but VISIT, VISITED), and British spelling doubles a final L
// whatever the stress (APPAREL, APPARELLED; CRUEL, CRUELLER). Our sources do not mark stress,
// so in longer words both spellings are tried and the word list tells which exists.
Doubling doubling(std::string_view w) {
    const std::size_t n = w.size();
    const char last = w.back();
    if (n < 2 || isVowel(last) || last == 'w' || last == 'x' || last == 'y' || !isVowel(w[n - 2]))
        return Doubling::Never;
    // The U of QU is a consonant here: QUIT, QUITTING.
    const bool singleVowel =
        n == 2 || !isVowel(w[n - 3]) || (n >= 4 && w[n - 3] == 'u' && w[n - 4] == 'q');
    if (!singleVowel)
        return last == 'l' ? Doubling::Sometimes : Doubling::Never;
    return syllableCount(w) == 1 ? Doubling::Usually : Doubling::Sometimes;
}

} // namespace

bool endsInConsonantY(std::string_view w) {
    const std::size_t n = w.size();
    return n >= 2 && w.back() == 'y' &&
           (!isVowel(w[n - 2]) || (n >= 3 && w[n - 2] == 'u' && w[n - 3] == 'q'));
}

std::vector<Candidate> withVowelEnding(const std::string& base, std::string_view ending) {
    std::vector<Candidate> out;
    const std::size_t n = base.size();
    const std::string e(ending);
    const bool ing = ending == "ing";
    if (base.back() == 'e') {
        if (!ing) {
            out.push_back({base + e.substr(1), kRegular}); // HOPED, LATER
            out.push_back({base + e, kUnlikely});          // ANTEED
            return out;
        }
        if (base.ends_with("ie"))
            out.push_back({base.substr(0, n - 2) + "ying", kRegular}); // TYING
        else if (!isVowel(base[n - 2]) || base[n - 2] == 'u')
            out.push_back({base.substr(0, n - 1) + e, kVariant}); // HOPING, ARGUING
        out.push_back({base + e, kRegular});                      // SEEING, SINGEING
        return out;
    }
    if (endsInConsonantY(base)) {
        if (!ing)
            out.push_back({base.substr(0, n - 1) + "i" + e, kRegular}); // AUTOPSIED, BABIEST
        out.push_back({base + e, ing ? kRegular : kVariant});           // SKYED, SPRYER
        return out;
    }
    if (!ing && base.ends_with("ey"))
        out.push_back({base.substr(0, n - 2) + "i" + e, kVariant}); // MOTLEY, MOTLIER
    switch (doubling(base)) {
    case Doubling::Usually:
        out.push_back({base + base.back() + e, kRegular});
        out.push_back({base + e, kUnlikely}); // BUSED beside BUSSED
        break;
    case Doubling::Sometimes:
        out.push_back({base + e, kRegular});
        out.push_back({base + base.back() + e, kVariant});
        break;
    case Doubling::Never:
        out.push_back({base + e, kRegular});
        break;
    }
    if (base.back() == 'c')
        out.push_back({base + "k" + e, kVariant}); // PICNICKED, ZINCKED
    return out;
}

std::vector<Candidate> withS(const std::string& base, bool noun) {
    std::vector<Candidate> out;
    const std::size_t n = base.size();
    const char last = base.back();
    if (endsInConsonantY(base)) {
        out.push_back({base.substr(0, n - 1) + "ies", kRegular});
        out.push_back({base + "s", kVariant}); // STANDBYS, WHISKYS
    } else if (endsInSibilant(base)) {
        out.push_back({base + "es", kRegular});
        if ((last == 's' || last == 'z') && doubling(base) != Doubling::Never)
            out.push_back({base + last + "es", kVariant}); // QUIZZES, PLUSSES
        if (base.ends_with("ch"))
            out.push_back({base + "s", kVariant}); // STOMACHS, where CH sounds like K
    } else {
        out.push_back({base + "s", kRegular});
        if (last == 'o')
            out.push_back({base + "es", kRegular}); // ECHOES, AVOCADOES
        if (base.ends_with("ey"))
            out.push_back({base.substr(0, n - 2) + "ies", kVariant}); // MONIES
    }
    if (!noun)
        return out;
    if (last == 'f')
        out.push_back({base.substr(0, n - 1) + "ves", kVariant}); // BEHALVES
    else if (base.ends_with("fe"))
        out.push_back({base.substr(0, n - 2) + "ves", kVariant}); // AFTERLIVES
    if (base.ends_with("man"))
        out.push_back({base.substr(0, n - 3) + "men", kRegular}); // FIREMEN
    if (base.ends_with("ful"))
        out.push_back({base.substr(0, n - 3) + "sful", kVariant}); // HANDSFUL beside HANDFULS
    if (last == 'i')
        out.push_back({base + "es", kVariant}); // CHILIES
    return out;
}

} // namespace vortalex::gendict
