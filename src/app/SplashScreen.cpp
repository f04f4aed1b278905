#include "app/SplashScreen.h"

#include "ui/menu/MenuArt.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/WindowScaler.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace vortalex {

SplashScreen::SplashScreen(QWidget* parent, double scale)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_layout(*this, QSize(7635, 6180)) { // twips: a 509 x 412 picture at the design size
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QSize design = m_layout.designPixels();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        scale = std::min(scale, largestScaleOn(*screen, design));
        setFixedSize(qRound(design.width() * scale), qRound(design.height() * scale));
        move(screen->availableGeometry().center() - rect().center());
    } else {
        setFixedSize(design);
    }
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5% early; the picture stays its full time.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kShowMs);
    connect(&m_timer, &QTimer::timeout, this, &SplashScreen::handOver);
    m_timer.start();
}

void SplashScreen::handOver() {
    if (m_handedOver) {
        return;
    }
    m_handedOver = true;
    m_timer.stop();
    emit timeUp();
    close();
}

void SplashScreen::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    theme::paintSky(p, QRectF(rect())); // the hair of room a rounded size may leave
    p.setTransform(m_layout.transform());
    art::paintSplash(p, m_layout.designPixels());
}

} // namespace vortalex
