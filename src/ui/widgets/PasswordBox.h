#pragma once

#include <QLineEdit>
#include <QProxyStyle>

namespace vortalex {

// Makes a line edit a password box whose every typed character shows as "*", whatever the
// desktop's own mask is.
inline void makeStarPasswordBox(QLineEdit& box) {
    class StarMask final : public QProxyStyle {
    public:
        int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                      QStyleHintReturn* returnData) const override {
            if (hint == SH_LineEdit_PasswordCharacter) {
                return '*';
            }
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    };
    auto* mask = new StarMask;
    mask->setParent(&box);
    box.setStyle(mask);
    box.setEchoMode(QLineEdit::Password);
}

} // namespace vortalex
