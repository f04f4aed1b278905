#include "ui/board/BoardLayout.h"

#include "ui/widgets/DesignLayout.h"

#include <algorithm>

namespace vortalex {

namespace {

using design::pixels;
using design::toPixels;

// The places of a level's board in twips.
struct Design {
    int clientWidth;
    int clientHeight;
    int fieldLeft;
    int fieldTop;
    int quitTop;
    int wordFormedTop;
};

// clang-format off
constexpr std::array<Design, kLevelCount> kDesigns{{
    {11805, 8700, 2460, 2360, 8100, 2700},
    {11760, 8685, 1620, 1755, 8100, 2700},
    {11760, 8685, 840, 865, 8100, 2700},
    // Larger than the first design's 11850 x 8775 with the field at (120, 120), which ran the
    // field's frame off the window and against the column: the field keeps the Difficult
    // field's margin and the rest moves with it.
    {13410, 10245, 840, 865, 9645, 2700},
}};
// clang-format on

constexpr int kTileSize = 750;   // twips
constexpr int kTileStep = 780;   // twips
constexpr int kQuitHeight = 405; // twips: the design height of "Quit Game"
// The column in pixels of the design size.
constexpr int kColumnLeft = 592;   // beside the smaller fields
constexpr int kFieldToColumn = 70; // the least room between a field and the column
constexpr int kReadoutTop = 248;
constexpr int kReadoutHeight = 22;
constexpr int kWordListTop = 364;
constexpr int kWordFormedHeight = 34;
constexpr int kBannerHeight = 30;

} // namespace

BoardLayout::BoardLayout(Level level)
    : m_side(levelInfo(level).side) {
    const Design& d = kDesigns.at(static_cast<std::size_t>(level));
    m_window = QSize(d.clientWidth, d.clientHeight);
    m_fieldAt = QPoint(d.fieldLeft, d.fieldTop);
    const int extent = kTileStep * (m_side - 1) + kTileSize;
    m_field = QRect(d.fieldLeft, d.fieldTop, extent, extent);
    m_quitBottom = toPixels(d.quitTop) + toPixels(kQuitHeight);
    m_wordFormedTop = d.wordFormedTop;
    // The widest field pushes the column (and the window) right rather than crowd it.
    const QRect field = toPixels(m_field);
    m_columnLeft = std::max(kColumnLeft, field.right() + 1 + kFieldToColumn);
    m_columnWidth = toPixels(m_window.width()) - m_columnLeft - 10;
}

QRect BoardLayout::tile(int index) const {
    const int row = (index - 1) / m_side;
    const int column = (index - 1) % m_side;
    return {m_fieldAt.x() + kTileStep * column, m_fieldAt.y() + kTileStep * row, kTileSize,
            kTileSize};
}

QRect BoardLayout::panel() const {
    return pixels(m_columnLeft - 8, 6, m_columnWidth + 16, toPixels(m_window.height()) - 12);
}

QRect BoardLayout::title() const {
    return pixels(m_columnLeft, 10, m_columnWidth, 26);
}

QRect BoardLayout::command(BoardCommand command) const {
    const int width = (m_columnWidth - 8) / 2;
    const bool right = command == BoardCommand::Shuffle || command == BoardCommand::Clear;
    return pixels(m_columnLeft + (right ? width + 8 : 0), 44, width, 32);
}

QRect BoardLayout::pause() const {
    return pixels(m_columnLeft + (m_columnWidth - 100) / 2, 86, 100, 26);
}

QRect BoardLayout::sound() const {
    const int side = 26; // the pause label's height
    return pixels(m_columnLeft + m_columnWidth - side, 86, side, side);
}

QRect BoardLayout::wordFormed() const {
    QRect place = pixels(m_columnLeft, 0, m_columnWidth, kWordFormedHeight);
    place.moveTop(m_wordFormedTop); // in twips, as the rules give it
    return place;
}

QRect BoardLayout::banner(int topTwips) const {
    // Its top moves in twips as the slide gives them.
    QRect place = pixels(m_columnLeft, 0, m_columnWidth, kBannerHeight);
    place.moveTop(topTwips);
    return place;
}

QRect BoardLayout::caption(int row) const {
    return pixels(m_columnLeft + 4, kReadoutTop + row * kReadoutHeight, 110, kReadoutHeight);
}

QRect BoardLayout::value(int row) const {
    return pixels(m_columnLeft + 110, kReadoutTop + row * kReadoutHeight, m_columnWidth - 114,
                  kReadoutHeight);
}

QRect BoardLayout::quit(QSize size) const {
    return pixels(m_columnLeft + (m_columnWidth - size.width()) / 2, m_quitBottom - size.height(),
                  size.width(), size.height());
}

QRect BoardLayout::wordList(QSize quitSize) const {
    const int quitTop = m_quitBottom - quitSize.height();
    return pixels(m_columnLeft, kWordListTop, m_columnWidth, quitTop - 8 - kWordListTop);
}

} // namespace vortalex
