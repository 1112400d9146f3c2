#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

// Internal to the engine: the fairness check and the chart's chances work on
// distributions of counts too wide for every count to matter.
namespace corvane::detail {

// A count whose chance is below this share of the likeliest one is left out.
// The counts left out of a window then hold less than 1e-15 of the chance.
inline constexpr double kWindowCut = 1e-18;

// The chances of the counts First, First + 1, ..., the rest being negligible.
struct CountWindow {
    std::int64_t First = 0;
    std::vector<double> Chances;

    std::int64_t Last() const { return First + static_cast<std::int64_t>(Chances.size()) - 1; }
    // The chance of a count from `low` to `high`, both included.
    double Within(std::int64_t low, std::int64_t high) const;
    // Only the counts from `low` to `high` keep their chances; the rest are 0.
    CountWindow Restricted(std::int64_t low, std::int64_t high) const;
};

// The chances of the sum of two independent counts.
CountWindow Convolve(const CountWindow& a, const CountWindow& b);

// A distribution that rises to its likeliest count `mode` and falls after it,
// told by the ratios of neighbouring chances: up(j) is the chance of j + 1 over
// that of j, down(j) that of j - 1 over that of j. The walk outwards from the
// mode stops at `cut` (relative to the mode's chance) or at `least` and
// `most`; the chances add up to 1.
template <class Up, class Down>
CountWindow SpreadFromMode(std::int64_t mode, std::int64_t least, std::int64_t most, Up up,
                           Down down, double cut = kWindowCut) {
    std::vector<double> below;
    double relative = 1.0;
    for (std::int64_t j = mode; j > least && relative >= cut; --j) {
        relative *= down(j);
        if (relative >= cut) below.push_back(relative);
    }
    CountWindow window{mode - static_cast<std::int64_t>(below.size()),
                       std::vector<double>(below.rbegin(), below.rend())};
    window.Chances.push_back(1.0);
    relative = 1.0;
    for (std::int64_t j = mode; j < most && relative >= cut; ++j) {
        relative *= up(j);
        if (relative >= cut) window.Chances.push_back(relative);
    }
    const double scale = 1.0 / std::accumulate(window.Chances.begin(), window.Chances.end(), 0.0);
    for (double& chance : window.Chances) chance *= scale;
    return window;
}

}  // namespace corvane::detail
