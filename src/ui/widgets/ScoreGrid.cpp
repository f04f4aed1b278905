#include "ScoreGrid.h"

#include "data/GameDatabase.h"
#include "widgets/Fonts.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

namespace vortalex {

using fonts::px;

namespace {

constexpr Qt::Alignment kPlayerAlign = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kScoreAlign = Qt::AlignCenter;

} // namespace

ScoreGrid::ScoreGrid(QWidget* parent)
    : QTableWidget(0, 2, parent) {
    setObjectName(QStringLiteral("flxTable"));
    setFont(fonts::arial(10, true));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(true);
    setWordWrap(false); // a name with blanks stays on its one row
}

int ScoreGrid::naturalWidth() const {
    return px(kPlayerColumnTwips) + px(kScoreColumnTwips) + 2 * frameWidth() +
           verticalScrollBar()->sizeHint().width();
}

void ScoreGrid::fill(const QList<RankRow>& rows) {
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    // A name too long for its column ends in "…" and shows whole as the tooltip.
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = px(kPlayerColumnTwips) - 2 * textMargin;
    const QFontMetrics metrics = fontMetrics();
    for (int r = 0; r < rows.size(); ++r) {
        const QString& whole = rows.at(r).name;
        const QString shown = metrics.elidedText(whole, Qt::ElideRight, room);
        auto* name = new QTableWidgetItem(shown);
        name->setTextAlignment(kPlayerAlign);
        if (shown != whole) {
            name->setToolTip(whole);
        }
        auto* score = new QTableWidgetItem(QString::number(rows.at(r).score));
        score->setTextAlignment(kScoreAlign);
        setItem(r, 0, name);
        setItem(r, 1, score);
    }
    // The header is written after every fill, whichever table filled the grid.
    setColumnWidth(0, px(kPlayerColumnTwips));
    setColumnWidth(1, px(kScoreColumnTwips));
    auto* player = new QTableWidgetItem(QStringLiteral("Player"));
    player->setTextAlignment(kPlayerAlign);
    auto* score = new QTableWidgetItem(QStringLiteral("Score"));
    score->setTextAlignment(kScoreAlign);
    setHorizontalHeaderItem(0, player);
    setHorizontalHeaderItem(1, score);
}

} // namespace vortalex
