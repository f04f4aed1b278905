#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace vortalex {

int QtMessageBoxes::show(const QString& text, int style, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setText(QString(text).replace(msg::kLineBreak, QStringLiteral("\n")));
    // Two icon values added (48 + 64) show the first one, the exclamation.
    const int icon = style & msg::kIconMask;
    if (icon == msg::kCritical) {
        box.setIcon(QMessageBox::Critical);
    } else if (icon == msg::kQuestion) {
        box.setIcon(QMessageBox::Question);
    } else if ((icon & msg::kExclamation) == msg::kExclamation) {
        box.setIcon(QMessageBox::Warning);
    } else if (icon == msg::kInformation) {
        box.setIcon(QMessageBox::Information);
    }
    if ((style & msg::kButtonMask) == msg::kYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? msg::kYes : msg::kNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return msg::kOk;
}

} // namespace vortalex
