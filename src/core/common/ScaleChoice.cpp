#include "core/common/ScaleChoice.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vortalex {

namespace {

// Quarter steps up to twice the design size, larger ones beyond, where a quarter is hardly seen.
constexpr std::array<double, 14> kSteps{0.5,  0.75, 1.0,  1.25, 1.5,  1.75, 2.0,
                                        2.25, 2.5,  2.75, 3.0,  3.25, 3.5,  4.0};
// Scales this close are one scale: what a window shows is a ratio of whole pixels.
constexpr double kSame = 0.005;

double hundredths(double scale) {
    return std::round(scale * 100.0) / 100.0;
}

} // namespace

ScaleChoice::ScaleChoice(QObject* parent)
    : QObject(parent) {}

void ScaleChoice::setScale(double scale) {
    if (!std::isfinite(scale)) {
        return;
    }
    const double kept = hundredths(std::clamp(scale, kSmallest, kLargest));
    if (std::abs(kept - m_scale) >= kSame) {
        m_scale = kept;
        emit scaleChanged(m_scale);
    }
}

double ScaleChoice::stepUp(double current, double bound) {
    if (current >= bound - kSame) {
        return current;
    }
    for (const double step : kSteps) {
        if (step > current + kSame) {
            return std::min(step, bound);
        }
    }
    return std::min(kLargest, bound);
}

double ScaleChoice::stepDown(double current, double bound) {
    if (current <= bound + kSame) {
        return current;
    }
    for (auto step = kSteps.rbegin(); step != kSteps.rend(); ++step) {
        if (*step < current - kSame) {
            return std::max(*step, bound);
        }
    }
    return std::max(kSmallest, bound);
}

} // namespace vortalex
