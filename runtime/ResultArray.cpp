#include "runtime/ResultArray.h"

namespace corvane {

void ResultArray::Redim(Int16 upper) {
    if (upper.Value() < 0) RaiseSubscriptOutOfRange();
    elements_.assign(static_cast<std::size_t>(upper.Value()) + 1, Int16());
}

std::span<const Int16> ResultArray::Dice() const noexcept {
    if (elements_.empty()) return {};
    return std::span<const Int16>(elements_).subspan(1);
}

std::span<Int16> ResultArray::Positions(Int16 first, Int16 last) {
    if (last < first) return {};
    const std::size_t begin = Checked(first);
    const std::size_t end = Checked(last) + 1;
    return std::span<Int16>(elements_).subspan(begin, end - begin);
}

}  // namespace corvane
