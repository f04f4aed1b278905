#pragma once

#include "ui/widgets/DesignLayout.h"

#include <QTimer>
#include <QWidget>

namespace vortalex {

// The start-up picture (frmSplash). It hands over to the menu once, 3000 ms after it was
// created, and then closes and deletes itself. It opens at the scale the player chose for the
// game's windows, as large as fits the screen, the picture drawn anew at that size.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 3000;

    explicit SplashScreen(QWidget* parent = nullptr, double scale = 1.0);

    QTimer& timer() { return m_timer; }

public slots:
    // The timer's tick; tests call it instead of waiting.
    void handOver();

signals:
    // The menu must be shown by the time this returns, so the program never runs without a
    // window.
    void timeUp();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DesignLayout m_layout;
    QTimer m_timer;
    bool m_handedOver = false;
};

} // namespace vortalex
