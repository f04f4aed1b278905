#include "ui/widgets/Theme.h"

#include "ui/widgets/ClickLabel.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include <array>

namespace vortalex::theme {

namespace {

// The faces of buttons: the light blue of the menu's level badges, rimmed like them.
const QColor kFaceTop{226, 236, 250};
const QColor kFaceBottom{150, 180, 214};
const QColor kFaceHoverTop{246, 250, 255};
const QColor kFaceHoverBottom{178, 204, 232};
const QColor kFacePressed{120, 150, 188};
const QColor kFaceRim{30, 45, 70};
const QColor kFaceOff{92, 102, 116};
const QColor kTextOff{150, 160, 172};
const QColor kFieldAlternate{14, 44, 74};
const QColor kHeader{0, 60, 100};

QString css(const QColor& c) {
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(c.alpha());
}

// The style sheet with its colours and metrics filled in: %name stands for each.
QString filled(QString sheet, const QList<std::pair<QString, QString>>& values) {
    for (const auto& [name, value] : values) {
        sheet.replace(QLatin1Char('%') + name, value);
    }
    return sheet;
}

} // namespace

QColor levelColour(Level level) {
    static const std::array<QColor, kLevelCount> kColours{
        QColor(120, 220, 120), kGold, QColor(255, 140, 64), QColor(255, 105, 150)};
    return kColours.at(static_cast<std::size_t>(level));
}

QString textFamily() {
    return QStringLiteral("Lato");
}

QFont textFont(qreal points, bool bold, bool italic) {
    QFont f;
    // Liberation Sans where Lato is missing: the same room as Arial, which the rules name.
    f.setFamilies({textFamily(), QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont captionFont(qreal points) {
    return textFont(points, true, true);
}

QFont valueFont(qreal points) {
    return textFont(points, true);
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette p = widget.palette();
    p.setColor(QPalette::WindowText, colour);
    widget.setPalette(p);
}

void setHeaderFont(QHeaderView& header, const QFont& font) {
    header.setFont(font);
    header.viewport()->setFont(font);
}

void styleButtonLabel(ClickLabel& label) {
    label.setAlignment(Qt::AlignCenter);
    label.setFace(kLabelFaceTop, kLabelFaceBottom, kLabelFaceRim);
}

bool isLight(const QColor& colour) {
    return colour.lightness() > 110;
}

void drawHaloText(QPainter& p, const QRect& box, int flags, const QString& text,
                  const QColor& colour) {
    const QColor halo = isLight(colour) ? QColor(0, 20, 40, 170) : QColor(255, 255, 255, 110);
    p.setPen(halo);
    for (const QPoint& d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
        p.drawText(box.translated(d), flags, text);
    }
    p.setPen(colour);
    p.drawText(box, flags, text);
}

void styleCaption(QLabel& label) {
    setTextColour(label, kHeading);
}

void styleValue(QLabel& label) {
    setTextColour(label, kGold);
}

void paintSky(QPainter& p, const QRectF& area) {
    p.save();
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, kDeep);
    sky.setColorAt(0.45, kNavy);
    sky.setColorAt(1.0, kSea);
    p.fillRect(area, sky);
    p.setClipRect(area);
    p.setPen(QPen(QColor(255, 255, 255, 9), 1));
    const qreal h = area.height();
    for (qreal x = area.left() - h; x < area.right(); x += 18) {
        p.drawLine(QPointF(x, area.top()), QPointF(x + h, area.bottom()));
    }
    p.restore();
}

void paintPanel(QPainter& p, const QRectF& box, const QColor& rim) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(box, 10, 10);
    p.fillPath(path, QColor(3, 14, 30, 150));
    p.setPen(QPen(rim, 1.2));
    p.drawPath(path);
    p.restore();
}

QPalette gamePalette() {
    QPalette p;
    p.setColor(QPalette::Window, kSea);
    p.setColor(QPalette::WindowText, kHeading);
    p.setColor(QPalette::Base, kField);
    p.setColor(QPalette::AlternateBase, kFieldAlternate);
    p.setColor(QPalette::Text, kFieldText);
    p.setColor(QPalette::PlaceholderText, QColor(150, 170, 192));
    p.setColor(QPalette::Button, kFaceBottom);
    p.setColor(QPalette::ButtonText, kInk);
    p.setColor(QPalette::BrightText, kValue);
    p.setColor(QPalette::Highlight, kGold);
    p.setColor(QPalette::HighlightedText, kInk);
    p.setColor(QPalette::Link, kGold);
    p.setColor(QPalette::ToolTipBase, kCream);
    p.setColor(QPalette::ToolTipText, kInk);
    p.setColor(QPalette::Light, kFaceHoverTop);
    p.setColor(QPalette::Midlight, kFaceTop);
    p.setColor(QPalette::Mid, kFacePressed);
    p.setColor(QPalette::Dark, kFaceRim);
    p.setColor(QPalette::Shadow, QColor(0, 0, 0, 160));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, kTextOff);
    }
    p.setColor(QPalette::Disabled, QPalette::Button, kFaceOff);
    p.setColor(QPalette::Disabled, QPalette::Base, kField.darker(120));
    return p;
}

QString styleSheet(const QStyle& base) {
    // Hover and focus keep the dark ink on the light faces, and light text on the dark
    // fields: each colour is read against the face it stands on.
    static const QString kSheet = QStringLiteral(R"(
QPushButton {
    color: %ink;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %faceTop, stop:1 %faceBottom);
    border: 1px solid %faceRim;
    border-radius: 6px;
    padding: 2px 10px;
}
QPushButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %hoverTop, stop:1 %hoverBottom);
    border: 1px solid %gold;
}
QPushButton:focus, QPushButton:default { border: 2px solid %gold; }
QPushButton:pressed { background: %pressed; }
QPushButton:disabled { color: %textOff; background: %faceOff; border: 1px solid %faceRim; }
QLineEdit {
    color: %ink;
    background: %cream;
    border: 1px solid %rim;
    border-radius: 4px;
    padding: 0px 3px;
    selection-background-color: %gold;
    selection-color: %ink;
    lineedit-password-character: 42;
}
QLineEdit:focus { border: 2px solid %gold; }
QLineEdit:disabled { color: %textOff; background: %faceOff; }
QAbstractItemView, QPlainTextEdit, QTextEdit {
    color: %fieldText;
    background: %field;
    alternate-background-color: %fieldAlternate;
    selection-background-color: %gold;
    selection-color: %ink;
    gridline-color: rgba(255,255,255,30);
}
QListView::item { padding: 1px 3px; }
QHeaderView::section {
    color: %gold;
    background: %header;
    padding: 2px 4px;
    border: none;
    border-right: 1px solid rgba(255,255,255,30);
    border-bottom: 1px solid %goldDim;
}
QTabBar::tab {
    color: %heading;
    background: %header;
    border: 1px solid %goldDim;
    border-bottom: none;
    border-top-left-radius: 6px;
    border-top-right-radius: 6px;
    padding: 3px 9px;
    margin-right: 2px;
}
QTabBar::tab:selected { color: %gold; background: %sea; }
QTabBar::tab:hover { color: %value; }
QTabBar::tab:focus { border: 1px solid %gold; border-bottom: none; }
QScrollBar:vertical { background: %deep; width: %extentpx; margin: 0px; }
QScrollBar:horizontal { background: %deep; height: %extentpx; margin: 0px; }
QScrollBar::handle {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %faceTop, stop:1 %faceBottom);
    border: 1px solid %faceRim;
    border-radius: 4px;
    margin: 1px;
}
QScrollBar::handle:vertical { min-height: 24px; }
QScrollBar::handle:horizontal { min-width: 24px; }
QScrollBar::handle:hover, QScrollBar::handle:pressed { background: %gold; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QToolTip { color: %ink; background: %cream; border: 1px solid %gold; padding: 2px; }
)");
    return filled(kSheet, {
                              {QStringLiteral("hoverBottom"), css(kFaceHoverBottom)},
                              {QStringLiteral("hoverTop"), css(kFaceHoverTop)},
                              {QStringLiteral("faceBottom"), css(kFaceBottom)},
                              {QStringLiteral("faceTop"), css(kFaceTop)},
                              {QStringLiteral("faceRim"), css(kFaceRim)},
                              {QStringLiteral("faceOff"), css(kFaceOff)},
                              {QStringLiteral("fieldAlternate"), css(kFieldAlternate)},
                              {QStringLiteral("fieldText"), css(kFieldText)},
                              {QStringLiteral("field"), css(kField)},
                              {QStringLiteral("pressed"), css(kFacePressed)},
                              {QStringLiteral("textOff"), css(kTextOff)},
                              {QStringLiteral("goldDim"), css(theme::withAlpha(kGold, 110))},
                              {QStringLiteral("gold"), css(kGold)},
                              {QStringLiteral("cream"), css(kCream)},
                              {QStringLiteral("rim"), css(kRim)},
                              {QStringLiteral("ink"), css(kInk)},
                              {QStringLiteral("header"), css(kHeader)},
                              {QStringLiteral("heading"), css(kHeading)},
                              {QStringLiteral("value"), css(kValue)},
                              {QStringLiteral("deep"), css(kDeep)},
                              {QStringLiteral("sea"), css(kSea)},
                              // The scroll bars keep the width the style gives them: the grids are
                              // sized to hold one.
                              {QStringLiteral("extent"),
                               QString::number(base.pixelMetric(QStyle::PM_ScrollBarExtent))},
                          });
}

void apply(QApplication& app) {
    QApplication::setPalette(gamePalette());
    QApplication::setFont(textFont(10));
    app.setStyleSheet(styleSheet(*QApplication::style()));
}

} // namespace vortalex::theme
