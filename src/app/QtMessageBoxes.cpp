#include "app/QtMessageBoxes.h"

#include "ui/widgets/FocusReturn.h"

#include <QApplication>
#include <QMessageBox>

namespace vortalex {

Answer QtMessageBoxes::show(const QString& text, MessageStyle style, const QString& title) {
    const FocusReturn focusReturn;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setTextFormat(Qt::PlainText); // names and words the player typed show as typed
    box.setText(QString(text).replace(kLineBreak, QStringLiteral("\n")));
    switch (style.icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Exclamation:
    case MessageIcon::ExclamationInformation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (style.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

} // namespace vortalex
