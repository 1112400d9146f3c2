#include "engine/CountWindow.h"

namespace corvane::detail {

double CountWindow::Within(std::int64_t low, std::int64_t high) const {
    const std::int64_t from = std::max(low, First);
    const std::int64_t to = std::min(high, Last());
    double sum = 0.0;
    for (std::int64_t count = from; count <= to; ++count) {
        sum += Chances[static_cast<std::size_t>(count - First)];
    }
    return sum;
}

CountWindow CountWindow::Restricted(std::int64_t low, std::int64_t high) const {
    const std::int64_t from = std::max(low, First);
    const std::int64_t to = std::min(high, Last());
    if (from > to) return CountWindow{from, {}};
    const auto begin = Chances.begin() + (from - First);
    return CountWindow{from, std::vector<double>(begin, begin + (to - from + 1))};
}

CountWindow Convolve(const CountWindow& a, const CountWindow& b) {
    if (a.Chances.empty() || b.Chances.empty()) return CountWindow{a.First + b.First, {}};
    CountWindow sum{a.First + b.First,
                    std::vector<double>(a.Chances.size() + b.Chances.size() - 1)};
    for (std::size_t i = 0; i < a.Chances.size(); ++i) {
        for (std::size_t j = 0; j < b.Chances.size(); ++j) {
            sum.Chances[i + j] += a.Chances[i] * b.Chances[j];
        }
    }
    return sum;
}

}  // namespace corvane::detail
