#include "ui/board/BoardLook.h"

#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/Fonts.h"

#include <QFontMetrics>
#include <QLabel>

namespace vortalex::boardlook {

QSize captionRoom(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text) + metrics.height(),
            metrics.height() + metrics.height() / 2};
}

void styleButtonLabel(ClickLabel* label) {
    label->setAlignment(Qt::AlignCenter);
    label->setFace(QColor(150, 178, 212), QColor(98, 128, 168), QColor(30, 45, 70));
}

QLabel* panelText(QWidget* parent, const QString& text, const QColor& colour, bool bold,
                  Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setFont(fonts::arial(10, bold));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

void fitText(QLabel* label, const QFont& base) {
    QFont f = base;
    const int room = label->width() - 8;
    while (f.pointSizeF() > 8 && QFontMetrics(f).horizontalAdvance(label->text()) > room) {
        f.setPointSizeF(f.pointSizeF() - 1);
    }
    if (f != label->font()) {
        label->setFont(f);
    }
}

void nameValue(QLabel* value, const QString& caption) {
    const QString text = value->text().isEmpty() ? QStringLiteral("none") : value->text();
    value->setAccessibleName(caption + QStringLiteral(": ") + text);
}

} // namespace vortalex::boardlook
