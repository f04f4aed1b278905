#pragma once

#include "core/common/WordPath.h"

#include <QLabel>

#include <optional>

namespace vortalex {

// A picture of the field a word of the review stood on, in the tiles' own look: the word's
// tiles show the face of picked ones, joined in the order picked by a line that runs between the
// letters, never over them, with an arrowhead for each step; numbered where the tiles have room
// for a number and the first ringed where they have not. It is drawn anew for every size it is
// given, so its letters stay sharp at any scale of the window. A screen
// reader reads the tiles in order from its description. Until a word is chosen it says how to
// choose one.
class WordPathView : public QLabel {
    Q_OBJECT
public:
    static inline const QString kHint =
        QStringLiteral("Select a word to see where it was on your field.");

    explicit WordPathView(QWidget* parent = nullptr);

    // None: nothing, for a word whose field was not kept; the hint shows only until a word is
    // chosen.
    void setPath(const std::optional<WordPath>& path);
    // No word chosen: the hint again.
    void clear();
    const std::optional<WordPath>& path() const { return m_path; }

    // The picture of `path` filling a square of `side` pixels.
    static QPixmap picture(const WordPath& path, int side, qreal dpr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();
    // Draws the path anew and tells a screen reader its name and description.
    void tellChange();

    std::optional<WordPath> m_path;
    bool m_chosen = false;
};

} // namespace vortalex
