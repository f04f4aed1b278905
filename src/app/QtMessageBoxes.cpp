#include "app/QtMessageBoxes.h"

#include "core/common/ScaleChoice.h"
#include "ui/widgets/FocusReturn.h"
#include "ui/widgets/GameMessageDialog.h"

#include <QApplication>

namespace vortalex {

Answer QtMessageBoxes::show(const QString& text, MessageStyle style, const QString& title) {
    const FocusReturn focusReturn;
    GameMessageDialog box(text, style, title, QApplication::activeWindow(),
                          m_scale != nullptr ? m_scale->scale() : 1.0);
    return box.ask();
}

} // namespace vortalex
