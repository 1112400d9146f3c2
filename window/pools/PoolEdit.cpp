#include "window/pools/PoolEdit.h"

#include <algorithm>

namespace corvane {
namespace {

// A pool saved over another keeps the other's keys that this version does
// not know, unless it brings its own.
EditResult Put(SavedPoolList& pools, const SavedPool& pool, qsizetype at) {
    if (const qsizetype found = IndexOfPool(pools, pool.Name); found >= 0) {
        QJsonObject unknown = pools[found].Unknown;
        for (auto key = pool.Unknown.begin(); key != pool.Unknown.end(); ++key) {
            unknown.insert(key.key(), *key);
        }
        pools[found] = pool;
        pools[found].Unknown = unknown;
        return EditResult::Made;
    }
    if (pools.size() >= kMostPools) return EditResult::Full;
    pools.insert(std::clamp<qsizetype>(at, 0, pools.size()), pool);
    return EditResult::Made;
}

EditResult Rename(SavedPoolList& pools, const QString& from, const QString& to) {
    const qsizetype found = IndexOfPool(pools, from);
    if (found < 0) return EditResult::Gone;
    if (const qsizetype clash = IndexOfPool(pools, to); clash >= 0 && clash != found) {
        return EditResult::Taken;
    }
    pools[found].Name = to;
    return EditResult::Made;
}

}  // namespace

EditResult Apply(SavedPoolList& pools, const PoolEdit& edit) {
    switch (edit.kind) {
        case PoolEdit::Kind::Put:
            return Put(pools, edit.pool, pools.size());
        case PoolEdit::Kind::Restore:
            if (IndexOfPool(pools, edit.pool.Name) >= 0) return EditResult::Taken;
            return Put(pools, edit.pool, edit.place);
        case PoolEdit::Kind::Remove:
            if (const qsizetype found = IndexOfPool(pools, edit.name); found >= 0) {
                pools.removeAt(found);
            }
            return EditResult::Made;
        case PoolEdit::Kind::Rename:
            return Rename(pools, edit.name, edit.pool.Name);
        case PoolEdit::Kind::Move: {
            const qsizetype from = IndexOfPool(pools, edit.name);
            const qsizetype to = from + edit.place;
            if (from >= 0 && to >= 0 && to < pools.size()) pools.swapItemsAt(from, to);
            return EditResult::Made;
        }
    }
    return EditResult::Made;
}

}  // namespace corvane
