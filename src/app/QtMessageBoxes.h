#pragma once

#include "core/common/MessageBox.h"

namespace vortalex {

class ScaleChoice;

// Real message boxes, modal over the active window, drawn as the game's own dialogs at the
// scale the player chose (the design size without a choice).
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(const ScaleChoice* scale = nullptr)
        : m_scale(scale) {}

    Answer show(const QString& text, MessageStyle style, const QString& title) override;

private:
    const ScaleChoice* m_scale;
};

} // namespace vortalex
