#pragma once

#include <QColor>
#include <QDialog>
#include <QLabel>

#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/Palette.h"

namespace vortalex::look {

// The game's dialogs (registration, LOAD, the summary) share one face: a fixed dialog on the
// game's blue, centred on its owner, with a title and no maximise button. The window's close
// button is left to the dialog whose close acts (the summary's); the others are left through
// their own buttons.
inline const QColor kDialogBackground = palette::kSea;

inline void makeFixedDialog(QDialog& dialog, const QSize& clientSize) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setFixedSize(clientSize);
    dialog.setModal(true);
    centreOnOwner(dialog);
    QPalette p = dialog.palette();
    p.setColor(QPalette::Window, kDialogBackground);
    dialog.setPalette(p);
    dialog.setAutoFillBackground(true);
}

inline void setTextColour(QWidget& label, const QColor& colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, colour);
    label.setPalette(p);
}

} // namespace vortalex::look
