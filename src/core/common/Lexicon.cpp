#include "core/common/Lexicon.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace vortalex {

// Upper-case A-Z spellings in one buffer, sorted and each once; a word with any other character
// is dropped, since no tile could spell it.
class Lexicon::Spellings {
public:
    // `text` holds words separated by blanks.
    explicit Spellings(QStringView text) {
        m_buffer.reserve(static_cast<std::size_t>(text.size()));
        std::vector<std::pair<std::size_t, std::size_t>> spans; // offset, length
        std::size_t start = 0;
        bool plain = true;
        auto finish = [&] {
            const std::size_t length = m_buffer.size() - start;
            if (plain && length > 0) {
                spans.emplace_back(start, length);
            } else {
                m_buffer.resize(start);
            }
            start = m_buffer.size();
            plain = true;
        };
        for (const QChar c : text) {
            char16_t u = c.unicode();
            if (u == u' ') {
                finish();
                continue;
            }
            if (u >= u'a' && u <= u'z') {
                u = static_cast<char16_t>(u - u'a' + u'A');
            }
            if (u < u'A' || u > u'Z') {
                plain = false;
                continue;
            }
            m_buffer.push_back(static_cast<char>(u));
        }
        finish();
        m_words.reserve(spans.size());
        for (const auto& [offset, length] : spans) {
            m_words.emplace_back(m_buffer.data() + offset, length);
        }
        // The database usually hands them over sorted already.
        if (!std::is_sorted(m_words.begin(), m_words.end())) {
            std::sort(m_words.begin(), m_words.end());
        }
        m_words.erase(std::unique(m_words.begin(), m_words.end()), m_words.end());
    }

    const std::vector<std::string_view>& words() const { return m_words; }

    // The nodes of a tree over the words: the root, and for each word the letters it does not
    // share with the word before it.
    std::size_t treeSize() const {
        std::size_t nodes = 1;
        std::string_view previous;
        for (const std::string_view word : m_words) {
            const auto shared = static_cast<std::size_t>(
                std::mismatch(word.begin(), word.end(), previous.begin(), previous.end()).first -
                word.begin());
            nodes += word.size() - shared;
            previous = word;
        }
        return nodes;
    }

private:
    std::string m_buffer;
    std::vector<std::string_view> m_words;
};

namespace {

QString joined(const QStringList& words) {
    QStringList plain;
    plain.reserve(words.size());
    for (const QString& word : words) {
        if (!word.contains(QLatin1Char(' '))) {
            plain.append(word);
        }
    }
    return plain.join(QLatin1Char(' '));
}

} // namespace

Lexicon::Lexicon()
    : m_nodes(1) {}

Lexicon Lexicon::build(const QStringList& words, const QStringList& common) {
    return fromText(joined(words), joined(common));
}

Lexicon Lexicon::fromText(QStringView words, QStringView common) {
    return fromSpellings(Spellings(words), Spellings(common));
}

Lexicon Lexicon::fromTexts(const std::function<QString()>& readWords,
                           const std::function<QString()>& readCommon) {
    const Spellings words(readWords());
    const Spellings common(readCommon());
    return fromSpellings(words, common);
}

Lexicon Lexicon::fromSpellings(const Spellings& words, const Spellings& common) {
    const std::vector<std::string_view>& sorted = words.words();
    const std::vector<std::string_view>& known = common.words();
    Lexicon lexicon;
    lexicon.m_nodes.reserve(words.treeSize());

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
    return lexicon;
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

} // namespace vortalex
