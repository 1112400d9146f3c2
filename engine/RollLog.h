#pragma once

#include <cstddef>
#include <deque>
#include <memory>

#include "engine/RollRecord.h"

namespace corvane {

// The completed rolls of this run, newest first. It keeps the last
// kCapacity of them, so an evening of rolling cannot use up the memory.
class RollLog {
public:
    static constexpr std::size_t kCapacity = 1000;

    // Puts the record first; when the log is full the oldest drops off. A null
    // record is no roll, and is not kept.
    void Add(std::shared_ptr<const RollRecord> record);
    void DropOldest();
    // How many of the oldest rolls adding `count` newer ones would drop.
    std::size_t DroppedByAdding(std::size_t count) const;
    // Adds every roll of `newer`, oldest first, as if each were added in turn,
    // and leaves `newer` empty.
    void Absorb(RollLog& newer);

    std::size_t Size() const { return records_.size(); }
    bool Full() const { return records_.size() >= kCapacity; }
    // Counted from the newest, which is 0. Raises Subscript out of range past
    // the oldest.
    const RollRecord& At(std::size_t newestFirst) const;

private:
    std::deque<std::shared_ptr<const RollRecord>> records_;
};

}  // namespace corvane
