#include "ui/menu/MenuArt.h"

#include "ui/widgets/Theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <array>

namespace vortalex::art {

namespace {

using theme::kDeep;
using theme::kGold;
using theme::kNavy;
const QColor kCreamTop = theme::kCream;
const QColor kCreamBottom{222, 206, 170};
const QColor kTileRim = theme::kRim;
const QColor kTileInk{48, 34, 20};

const QString kTitle = QStringLiteral("VORTALEX");

QPainterPath rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A slow spiral of thin gold arcs: the vortex the game is named after.
void drawVortex(QPainter& p, const QPointF& centre, qreal outer, int alpha) {
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 9; ++ring) {
        const qreal radius = outer * (0.25 + 0.085 * ring);
        const QRectF box(centre.x() - radius, centre.y() - radius * 0.62, radius * 2,
                         radius * 1.24);
        QColor c = kGold;
        c.setAlpha(alpha - ring * alpha / 12);
        p.setPen(QPen(c, 1.2 + ring * 0.15, Qt::SolidLine, Qt::RoundCap));
        const int start = (ring * 47) % 360;
        p.drawArc(box, start * 16, (150 + ring * 9) * 16);
        p.drawArc(box, (start + 180) * 16, (110 + ring * 7) * 16);
    }
    p.restore();
}

// Faded tiles scattered over a backdrop, so the screen reads as a word game at a glance.
void drawScatteredTiles(QPainter& p, const QSize& size, int alpha) {
    struct Spot {
        qreal x, y, size, angle;
        char letter;
    };
    static const std::array<Spot, 14> kSpots{{
        {0.04, 0.30, 30, -12, 'W'},
        {0.13, 0.44, 22, 9, 'O'},
        {0.88, 0.07, 28, 14, 'R'},
        {0.95, 0.22, 20, -8, 'D'},
        {0.70, 0.05, 18, 6, 'S'},
        {0.30, 0.04, 16, -18, 'E'},
        {0.46, 0.62, 20, 16, 'A'},
        {0.50, 0.86, 26, -6, 'L'},
        {0.60, 0.70, 16, 22, 'T'},
        {0.97, 0.55, 24, -14, 'Q'},
        {0.42, 0.40, 14, 10, 'I'},
        {0.03, 0.05, 18, 20, 'N'},
        {0.22, 0.30, 16, -22, 'P'},
        {0.78, 0.36, 14, 8, 'U'},
    }};
    p.save();
    p.setOpacity(alpha / 255.0);
    for (const Spot& s : kSpots) {
        const QRectF box(s.x * size.width(), s.y * size.height(), s.size, s.size);
        drawLetterTile(p, box, QString(QLatin1Char(s.letter)), s.angle);
    }
    p.restore();
}

} // namespace

void drawLetterTile(QPainter& p, const QRectF& box, const QString& letter, qreal degrees) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center());
    p.rotate(degrees);
    const QRectF r(-box.width() / 2, -box.height() / 2, box.width(), box.height());
    const qreal radius = qMax<qreal>(3.0, box.width() / 9.0);
    p.fillPath(rounded(r.translated(box.width() * 0.06, box.height() * 0.08), radius),
               QColor(0, 0, 0, 90));
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0.0, kCreamTop);
    face.setColorAt(1.0, kCreamBottom);
    const QPainterPath path = rounded(r, radius);
    p.fillPath(path, face);
    p.setPen(QPen(kTileRim, qMax<qreal>(1.0, box.width() / 40.0)));
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1.0));
    p.drawLine(QPointF(r.left() + radius, r.top() + 2), QPointF(r.right() - radius, r.top() + 2));
    QFont f = theme::arial(10, true);
    f.setPixelSize(qMax(6, qRound(box.height() * 0.62)));
    p.setFont(f);
    p.setPen(kTileInk);
    p.drawText(r, Qt::AlignCenter, letter);
    p.restore();
}

void drawTileTitle(QPainter& p, const QPointF& centre, qreal tileSize, qreal gap) {
    const qreal width = kTitle.size() * tileSize + (kTitle.size() - 1) * gap;
    qreal x = centre.x() - width / 2;
    for (qsizetype i = 0; i < kTitle.size(); ++i) {
        // A gentle wave through the word, as if the tiles were just laid down.
        const qreal lift = std::sin(static_cast<qreal>(i) * 0.9) * tileSize * 0.08;
        const qreal angle = (i % 2 == 0 ? -1.0 : 1.0) * (3.0 + static_cast<qreal>(i % 3));
        drawLetterTile(p, QRectF(x, centre.y() - tileSize / 2 + lift, tileSize, tileSize),
                       kTitle.mid(i, 1), angle);
        x += tileSize + gap;
    }
}

void paintSplash(QPainter& p, const QSize& size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QRadialGradient glow(all.center() - QPointF(0, 20), all.width() * 0.7);
    glow.setColorAt(0.0, QColor(0, 96, 156));
    glow.setColorAt(0.55, kNavy);
    glow.setColorAt(1.0, kDeep);
    p.fillRect(all, glow);
    drawVortex(p, all.center() + QPointF(0, 6), all.width() * 0.55, 120);
    drawScatteredTiles(p, size, 60);

    QFont small = theme::textFont(12, true, true);
    p.setFont(small);
    drawHaloText(p, QRect(0, 58, size.width(), 26), Qt::AlignCenter,
                 QStringLiteral("A Game for the Quillaro"), theme::kHeading);

    drawTileTitle(p, QPointF(all.center().x(), 150), 48, 5);

    p.setFont(theme::textFont(13, true, true));
    drawHaloText(p, QRect(0, 196, size.width(), 28), Qt::AlignCenter,
                 QStringLiteral("A Multimedia Game for Constructing Words"), kGold);

    // Five commands laid out as the menu will ask for them.
    p.setFont(theme::textFont(10, true));
    const QStringList commands{"START", "LOAD", "STAT", "HELP", "QUIT"};
    const qreal chip = 70;
    qreal x = all.center().x() - (commands.size() * chip + (commands.size() - 1) * 10) / 2;
    for (const QString& c : commands) {
        const QRectF r(x, 262, chip, 24);
        p.fillPath(rounded(r, 12), QColor(255, 255, 255, 28));
        p.setPen(QPen(theme::withAlpha(kGold, 110), 1));
        p.drawPath(rounded(r, 12));
        p.setPen(QColor(230, 238, 248));
        p.drawText(r, Qt::AlignCenter, c);
        x += chip + 10;
    }

    p.setFont(theme::textFont(9, false, true));
    p.setPen(QColor(190, 210, 230));
    p.drawText(QRect(0, size.height() - 56, size.width(), 20), Qt::AlignCenter,
               QStringLiteral("Build words from touching tiles before the clock runs out."));
    p.setPen(QColor(150, 175, 200));
    p.drawText(QRect(0, size.height() - 34, size.width(), 20), Qt::AlignCenter,
               QStringLiteral("Loading . . ."));

    p.setPen(QPen(kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(all.adjusted(3, 3, -3, -3), 10, 10);
    p.setPen(QPen(theme::withAlpha(kGold, 70), 1));
    p.drawRoundedRect(all.adjusted(8, 8, -8, -8), 7, 7);
}

MenuPanels menuPanels(const MenuFrames& frames) {
    MenuPanels panels;
    // The tiles stand close to the window's bottom and 11 px left of Ok and Clear: the tray
    // keeps a narrow rim so that it stays clear of both, and the buttons take a shadow rather
    // than a panel of their own.
    panels.field = QRectF(frames.field).adjusted(-6, -6, 6, 6);
    panels.commandWord = QRectF(frames.commandWord).adjusted(-8, -3, 8, -1);
    panels.buttons = QRectF(frames.buttons).translated(2, 3);
    panels.instructions = QRectF(frames.instructions).adjusted(-14, -10, 14, 10);
    // Its right edge in line with the instructions' above it.
    panels.levels = QRectF(frames.levels).adjusted(-8, -34, 8, 12);
    return panels;
}

void paintMenuBackground(QPainter& p, const QSize& design, const QRectF& room,
                         const MenuFrames& frames) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal width = design.width();
    QRadialGradient glow(QPointF(width * 0.55, 120), width * 0.55);
    glow.setColorAt(0.0, QColor(80, 160, 230, 70));
    glow.setColorAt(1.0, QColor(80, 160, 230, 0));
    p.fillRect(room, glow);
    drawVortex(p, QPointF(width * 0.55, 128), width * 0.42, 70);
    drawScatteredTiles(p, design, 40);

    // The title band under the greeting.
    drawTileTitle(p, QPointF(width * 0.55, 118), 50, 6);
    p.setFont(theme::captionFont(12));
    drawHaloText(p, QRect(design.width() / 20, 152, design.width(), 24), Qt::AlignCenter,
                 QStringLiteral("A Multimedia Game for Constructing Words"), kGold);

    const MenuPanels panels = menuPanels(frames);
    // A tray under the field, and a slot for the word being spelled.
    theme::paintPanel(p, panels.field, theme::withAlpha(kGold, 130));
    const QRectF slot = panels.commandWord;
    p.fillPath(rounded(slot.translated(2, 3), 8), QColor(0, 0, 0, 90));
    QLinearGradient paper(slot.topLeft(), slot.bottomLeft());
    paper.setColorAt(0.0, QColor(246, 240, 222));
    paper.setColorAt(1.0, QColor(214, 202, 172));
    p.fillPath(rounded(slot, 8), paper);
    p.setPen(QPen(kTileRim, 1.2));
    p.drawPath(rounded(slot, 8));
    p.setFont(theme::captionFont(10));
    p.setPen(theme::kCaption);
    p.drawText(QRectF(frames.field.left() - 10, slot.top(), slot.left() - frames.field.left() + 4,
                      slot.height()),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Command"));

    // A soft shadow under the two button pictures, as the tiles cast.
    p.fillPath(rounded(panels.buttons, panels.buttons.width() / 8), QColor(0, 0, 0, 90));

    theme::paintPanel(p, panels.instructions);
    const QRectF levels = panels.levels;
    theme::paintPanel(p, levels, theme::withAlpha(kGold, 120));
    p.setFont(theme::captionFont(11));
    drawHaloText(p, levels.adjusted(0, 6, 0, 0).toRect(), Qt::AlignHCenter | Qt::AlignTop,
                 QStringLiteral("Choose a Level"), kGold);
    p.restore();
}

void paintButtonFace(QPainter& p, const QRectF& box, bool enabled, bool lit) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = rounded(r, r.height() / 2.6);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    if (lit) {
        face.setColorAt(0.0, theme::kLitFaceTop.lighter(130));
        face.setColorAt(0.5, theme::kLitFaceTop);
        face.setColorAt(0.51, theme::kLitFaceBottom.lighter(115));
        face.setColorAt(1.0, theme::kLitFaceBottom);
        enabled = true; // only an enabled button lights up
    }
    if (!lit) {
        face.setColorAt(0.0, enabled ? QColor(236, 242, 250) : QColor(170, 176, 184));
        face.setColorAt(0.5, enabled ? QColor(196, 210, 228) : QColor(150, 156, 164));
        face.setColorAt(0.51, enabled ? QColor(168, 186, 210) : QColor(135, 140, 148));
        face.setColorAt(1.0, enabled ? QColor(128, 150, 182) : QColor(115, 120, 128));
    }
    p.fillPath(path, face);
    p.setPen(QPen(QColor(184, 150, 70), 1.4));
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(r.left() + r.height() / 3, r.top() + 2),
               QPointF(r.right() - r.height() / 3, r.top() + 2));
    p.restore();
}

void drawEngravedText(QPainter& p, const QRect& box, int flags, const QString& text) {
    p.save();
    p.setPen(QColor(140, 150, 162, 140));
    p.drawText(box.translated(1, 1), flags, text);
    p.setPen(QColor(40, 46, 56));
    p.drawText(box, flags, text);
    p.restore();
}

void paintLevelFace(QPainter& p, const QRectF& box, bool open, bool lit) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = rounded(r, 9);
    if (open) {
        p.fillPath(rounded(r.translated(2, 3), 9), QColor(0, 0, 0, 80));
    }
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    if (open && lit) {
        face.setColorAt(0.0, theme::kLitFaceTop);
        face.setColorAt(1.0, theme::kLitFaceBottom);
    } else {
        face.setColorAt(0.0, open ? QColor(214, 230, 248) : QColor(92, 102, 116));
        face.setColorAt(1.0, open ? QColor(128, 164, 206) : QColor(62, 70, 82));
    }
    p.fillPath(path, face);
    p.setPen(QPen(open ? kGold : QColor(120, 128, 140), open ? 1.6 : 1.0));
    p.drawPath(path);
    p.restore();
}

} // namespace vortalex::art
