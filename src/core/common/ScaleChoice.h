#pragma once

#include <QObject>

namespace vortalex {

// How large the player wants the game's windows, as a multiple of their design size: one choice
// for the whole game, taken by every window that opens after it was made. It is only a wish: a
// window that would not fit its screen at this scale opens at the largest scale that fits.
class ScaleChoice final : public QObject {
    Q_OBJECT
public:
    static constexpr double kSmallest = 0.5;
    static constexpr double kLargest = 4.0;

    explicit ScaleChoice(QObject* parent = nullptr);

    double scale() const { return m_scale; }
    // Kept within kSmallest .. kLargest to a hundredth, so that a drag that ends a hair from a
    // step is the step; anything that is no number is no choice.
    void setScale(double scale);

    // The step above or below `current`, the scale a window shows now (a drag can leave it
    // between two steps), never past `bound`; `current` itself when it is at the bound already.
    static double stepUp(double current, double bound);
    static double stepDown(double current, double bound);

signals:
    void scaleChanged(double scale);

private:
    double m_scale = 1.0;
};

} // namespace vortalex
