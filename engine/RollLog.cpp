#include "engine/RollLog.h"

#include <algorithm>

#include "runtime/RuntimeError.h"

namespace corvane {

void RollLog::Add(std::shared_ptr<const RollRecord> record) {
    if (!record) return;
    if (Full()) DropOldest();
    records_.push_front(std::move(record));
}

void RollLog::DropOldest() {
    if (!records_.empty()) records_.pop_back();
}

std::size_t RollLog::DroppedByAdding(std::size_t count) const {
    const std::size_t after = records_.size() + std::min(count, kCapacity);
    return after > kCapacity ? after - kCapacity : 0;
}

void RollLog::Absorb(RollLog& newer) {
    for (auto oldest = newer.records_.rbegin(); oldest != newer.records_.rend(); ++oldest) {
        Add(std::move(*oldest));
    }
    newer.records_.clear();
}

const RollRecord& RollLog::At(std::size_t newestFirst) const {
    if (newestFirst >= records_.size()) RaiseSubscriptOutOfRange();
    return *records_[newestFirst];
}

}  // namespace corvane
