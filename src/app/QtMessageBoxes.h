#pragma once

#include "common/MessageBox.h"

class QWidget;

namespace vortalex {

// Real message boxes, modal over the active window.
class QtMessageBoxes final : public MessageBoxes {
public:
    int show(const QString& text, int style, const QString& title) override;
};

} // namespace vortalex
