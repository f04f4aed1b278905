#include "core/board/WordBanner.h"

namespace vortalex {

void WordBanner::show(const QString& word) {
    set(true, word, m_top);
    setSliding(true);
}

void WordBanner::putBack() {
    if (m_visible || m_top != kStartTop) {
        set(false, m_text, kStartTop);
    }
}

void WordBanner::tick() {
    if (!m_sliding) {
        return;
    }
    const int top = m_top + kStep;
    const bool arrived = top >= kEndTop;
    if (arrived) {
        setSliding(false);
    }
    set(m_visible && !arrived, m_text, top);
}

void WordBanner::set(bool visible, const QString& text, int top) {
    m_visible = visible;
    m_text = text;
    m_top = top;
    emit changed(visible, text, top);
}

void WordBanner::setSliding(bool sliding) {
    if (m_sliding != sliding) {
        m_sliding = sliding;
        emit slidingChanged(sliding);
    }
}

} // namespace vortalex
