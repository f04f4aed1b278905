#include "ui/widgets/ScoreGrid.h"

#include "ui/widgets/DesignLayout.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/TypedText.h"

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QScrollBar>
#include <QStyle>

namespace vortalex {

namespace {

constexpr Qt::Alignment kPlayerAlign = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kScoreAlign = Qt::AlignCenter;
constexpr int kColumns = 2;

} // namespace

// How the grid shows the rows of its model: the header texts, the alignments, the score as a
// whole number, and a name too long for its column cut short with "…" and shown whole as the
// tooltip. Only the rows on screen are ever asked for, so nothing is prepared for the others.
class ScoreRowsLook final : public QIdentityProxyModel {
public:
    ScoreRowsLook(const QTableView& view, QObject* parent)
        : QIdentityProxyModel(parent)
        , m_view(view) {}

    // Both columns stand even with no rows to show, or no rows at all.
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || sourceModel() == nullptr) {
            return {};
        }
        const QVariant value = sourceModel()->data(mapToSource(index), Qt::DisplayRole);
        if (index.column() == 0) {
            switch (role) {
            case Qt::DisplayRole:
                return elided(value.toString());
            case Qt::ToolTipRole: {
                const QString whole = value.toString();
                return elided(whole) != whole ? QVariant(plainToolTip(whole)) : QVariant();
            }
            case Qt::TextAlignmentRole:
                return static_cast<int>(kPlayerAlign);
            default:
                return {};
            }
        }
        switch (role) {
        case Qt::DisplayRole:
            return QString::number(value.toLongLong());
        case Qt::TextAlignmentRole:
            return static_cast<int>(kScoreAlign);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
            return {};
        }
        if (role == Qt::DisplayRole) {
            return section == 0 ? firstHeader : QStringLiteral("Score");
        }
        if (role == Qt::TextAlignmentRole) {
            return static_cast<int>(section == 0 ? kPlayerAlign : kScoreAlign);
        }
        return {};
    }

    QString firstHeader = QStringLiteral("Player");

private:
    QString elided(const QString& name) const {
        const int textMargin =
            m_view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &m_view) + 1;
        // The column as wide as it stands now, at whatever scale, with the font it shows.
        const int room = m_view.columnWidth(0) - 2 * textMargin;
        return m_view.fontMetrics().elidedText(name, Qt::ElideRight, room);
    }

    const QTableView& m_view;
};

QFont ScoreGrid::designFont() {
    return theme::textFont(10, true);
}

ScoreGrid::ScoreGrid(QWidget* parent)
    : QTableView(parent)
    , m_look(new ScoreRowsLook(*this, this)) {
    setObjectName(QStringLiteral("flxTable"));
    setFont(designFont());
    setModel(m_look);
    verticalHeader()->hide();
    // Every row has the same height, so the grid never measures rows it has not fetched.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(design::toPixels(kRowTwips));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // "Player" keeps its width; "Score" takes the rest, so the columns fill the grid whether the
    // scroll bar shows or not. The header keeps both through every refill of the rows.
    QHeaderView* header = horizontalHeader();
    theme::setHeaderFont(*header, designFont()); // the rows' font

    header->setHighlightSections(false);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, design::toPixels(kPlayerColumnTwips));
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    setAlternatingRowColors(true);
    setWordWrap(false); // a name with blanks stays on its one row
}

void ScoreGrid::setRows(QAbstractItemModel* rows) {
    m_look->setSourceModel(rows);
}

void ScoreGrid::setFirstHeader(const QString& text) {
    m_look->firstHeader = text;
    emit m_look->headerDataChanged(Qt::Horizontal, 0, 0);
}

void ScoreGrid::setScale(qreal scale) {
    if (scale <= 0 || qFuzzyCompare(scale, m_scale)) {
        return;
    }
    m_scale = scale;
    verticalHeader()->setDefaultSectionSize(design::toPixels(kRowTwips, scale));
    horizontalHeader()->resizeSection(0, design::toPixels(kPlayerColumnTwips, scale));
    theme::setHeaderFont(*horizontalHeader(), design::scaledFont(designFont(), scale));
    updateGeometries(); // the header as tall as its new font, now
    // Names are cut short for the room their column has as the rows are drawn.
    viewport()->update();
}

int ScoreGrid::naturalWidth() const {
    return design::toPixels(kPlayerColumnTwips) + design::toPixels(kScoreColumnTwips) +
           2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

} // namespace vortalex
