#include "app/SplashScreen.h"

#include "ui/menu/MenuArt.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace vortalex {

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(509, 412);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
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
    art::paintSplash(p, size());
}

} // namespace vortalex
