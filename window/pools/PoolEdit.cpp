#include "window/pools/PoolEdit.h"

#include <algorithm>

namespace corvane {
namespace {

bool Put(SavedPoolList& pools, const SavedPool& pool, qsizetype at) {
    if (const qsizetype found = IndexOfPool(pools, pool.Name); found >= 0) {
        pools[found] = pool;
        return true;
    }
    if (pools.size() >= kMostPools) return false;
    pools.insert(std::clamp<qsizetype>(at, 0, pools.size()), pool);
    return true;
}

bool Rename(SavedPoolList& pools, const QString& from, const SavedPool& pool) {
    qsizetype found = IndexOfPool(pools, from);
    if (found < 0) return Put(pools, pool, pools.size());
    if (const qsizetype clash = IndexOfPool(pools, pool.Name); clash >= 0 && clash != found) {
        pools.removeAt(clash);
        if (clash < found) --found;
    }
    pools[found] = pool;
    return true;
}

}  // namespace

bool Apply(SavedPoolList& pools, const PoolEdit& edit) {
    switch (edit.kind) {
        case PoolEdit::Kind::Put:
            return Put(pools, edit.pool, pools.size());
        case PoolEdit::Kind::Restore:
            return Put(pools, edit.pool, edit.place);
        case PoolEdit::Kind::Remove:
            if (const qsizetype found = IndexOfPool(pools, edit.name); found >= 0) {
                pools.removeAt(found);
            }
            return true;
        case PoolEdit::Kind::Rename:
            return Rename(pools, edit.name, edit.pool);
        case PoolEdit::Kind::Move: {
            const qsizetype from = IndexOfPool(pools, edit.name);
            const qsizetype to = from + edit.place;
            if (from >= 0 && to >= 0 && to < pools.size()) pools.swapItemsAt(from, to);
            return true;
        }
    }
    return true;
}

}  // namespace corvane
