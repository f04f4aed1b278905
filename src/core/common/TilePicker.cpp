#include "core/common/TilePicker.h"

namespace vortalex {

Pick TilePicker::click(int index, const std::function<void()>& beforeTaking) {
    if (m_ignoreNextClick) {
        m_ignoreNextClick = false;
        return Pick::Swallowed;
    }
    if (!m_grid.contains(index) || m_grid.tile(index).used) {
        return Pick::InWord;
    }
    if (beforeTaking) {
        beforeTaking();
    }
    if (!m_grid.canPick(index)) {
        return Pick::Refused;
    }
    m_grid.pick(index);
    return Pick::Taken;
}

bool TilePicker::confirms(int index) const {
    return m_grid.contains(index) && !m_ignoreNextClick && m_grid.tile(index).used;
}

bool TilePicker::rightRelease(int index) {
    if (!m_grid.contains(index)) {
        return false;
    }
    m_ignoreNextClick = true;
    return m_grid.tile(index).used;
}

} // namespace vortalex
