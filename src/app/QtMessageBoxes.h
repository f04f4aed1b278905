#pragma once

#include "core/common/MessageBox.h"

class QWidget;

namespace vortalex {

// Real message boxes, modal over the active window.
class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(const QString& text, MessageStyle style, const QString& title) override;
};

} // namespace vortalex
