#include "engine/RollLog.h"

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

const RollRecord& RollLog::At(std::size_t newestFirst) const {
    if (newestFirst >= records_.size()) RaiseSubscriptOutOfRange();
    return *records_[newestFirst];
}

}  // namespace corvane
