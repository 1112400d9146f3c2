#include "engine/Saddlepoint.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace corvane::detail {
namespace {

// Below this tilt the divergence is summed as a series in t, where the direct
// formula would cancel away its digits.
constexpr double kSeriesBelow = 0.01;
// Within this distance of the middle, the formula's 1/u - 1/w cancels too;
// its limit there, the skewness term, takes over.
constexpr double kNearMiddle = 0.05;

// The cumulant generating function K of the sum, tilted by t.
struct Tilt {
    double slope = 0.0;       // K'(t), the tilted mean
    double curvature = 0.0;   // K''(t), the tilted variance
    double skew = 0.0;        // K'''(t)
    double divergence = 0.0;  // t K'(t) - K(t)
};

double Logistic(double y) { return 1.0 / (1.0 + std::exp(-y)); }

// log(q + p e^t), one die's part of K, without overflow.
double LogMoment(double p, double q, double t) {
    if (t > 0.0) return t + std::log(p + q * std::exp(-t));
    return std::log(q + p * std::exp(t));
}

// The series of t K'(t) - K(t) per die, from the cumulants of one die.
double DivergenceSeries(double p, double q, double t) {
    const double pq = p * q;
    const double k3 = pq * (q - p);
    const double k4 = pq * (1.0 - 6.0 * pq);
    const double k5 = k3 * (1.0 - 12.0 * pq);
    const double k6 = pq * (1.0 - 30.0 * pq + 120.0 * pq * pq);
    return t * t * (pq / 2.0 + t * (k3 / 3.0 + t * (k4 / 8.0 + t * (k5 / 30.0 + t * k6 / 144.0))));
}

Tilt TiltAt(const std::vector<SumOfBinomials::Group>& groups, double t) {
    Tilt tilt;
    for (const auto& group : groups) {
        const double n = static_cast<double>(group.Dice);
        const double p = group.DieChance;
        const double q = 1.0 - p;
        const double logOdds = std::log(p) - std::log1p(-p);
        const double success = Logistic(t + logOdds);
        const double failure = Logistic(-(t + logOdds));
        tilt.slope += n * success;
        tilt.curvature += n * success * failure;
        tilt.skew += n * success * failure * (failure - success);
        tilt.divergence += n * (std::abs(t) < kSeriesBelow ? DivergenceSeries(p, q, t)
                                                           : t * success - LogMoment(p, q, t));
    }
    return tilt;
}

// The tilt whose mean is x. K' only rises, so every step narrows a bracket
// around it: Newton's step while it lands inside and halves the gap to x, a
// halving of the bracket (or a widening while it is open) when it does not.
double SolveTilt(const std::vector<SumOfBinomials::Group>& groups, double x) {
    double t = 0.0;
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    double lastGap = std::numeric_limits<double>::infinity();
    for (int step = 0; step < 400; ++step) {
        const Tilt tilt = TiltAt(groups, t);
        const double gap = tilt.slope - x;
        if (gap == 0.0) break;
        (gap > 0.0 ? high : low) = t;
        double next = t - gap / tilt.curvature;
        const bool slow = std::abs(gap) > lastGap / 2.0;
        lastGap = std::abs(gap);
        if (!(next > low && next < high) || (slow && std::isfinite(low) && std::isfinite(high))) {
            if (std::isinf(low) || std::isinf(high)) {
                next = gap > 0.0 ? t - std::max(1.0, std::abs(t)) : t + std::max(1.0, std::abs(t));
            } else {
                next = (low + high) / 2.0;
            }
        }
        if (std::abs(next - t) <= 4.0 * std::numeric_limits<double>::epsilon() * std::abs(t)) {
            return next;
        }
        t = next;
    }
    return t;
}

}  // namespace

SplitChances LugannaniRice(const std::vector<SumOfBinomials::Group>& groups, double x) {
    double dice = 0.0;
    for (const auto& group : groups) dice += static_cast<double>(group.Dice);
    if (x <= 0.0) return {1.0, 0.0};
    if (x >= dice) return {0.0, 1.0};

    const double t = SolveTilt(groups, x);
    const Tilt tilt = TiltAt(groups, t);
    const double w = std::copysign(std::sqrt(2.0 * std::max(tilt.divergence, 0.0)), t);
    const double u = 2.0 * std::sinh(t / 2.0) * std::sqrt(tilt.curvature);
    const double correction = std::abs(w) < kNearMiddle
                                  ? -tilt.skew / (6.0 * std::pow(tilt.curvature, 1.5))
                                  : 1.0 / u - 1.0 / w;
    const double density = std::exp(-w * w / 2.0) / std::sqrt(2.0 * std::numbers::pi);
    const double shift = density > 0.0 && std::isfinite(correction) ? density * correction : 0.0;
    // The formula is told for the smaller side, where it keeps its relative
    // precision, and the other side is what is left: both then keep their
    // order as x moves.
    if (w > 0.0) {
        const double above = std::clamp(0.5 * std::erfc(w / std::numbers::sqrt2) + shift, 0.0, 1.0);
        return {above, 1.0 - above};
    }
    const double below = std::clamp(0.5 * std::erfc(-w / std::numbers::sqrt2) - shift, 0.0, 1.0);
    return {1.0 - below, below};
}

}  // namespace corvane::detail
