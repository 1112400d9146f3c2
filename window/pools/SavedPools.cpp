#include "window/pools/SavedPools.h"

namespace corvane {

SavedPools::SavedPools(PoolStore& store, QObject* parent) : QObject(parent), store_(store) {}

void SavedPools::Load() {
    loaded_ = store_.Read();
    list_ = loaded_.pools;
    emit changed();
}

bool SavedPools::Make(const PoolEdit& edit) {
    if (Apply(list_, edit) != EditResult::Made) return false;
    unwritten_ << edit;
    emit changed();
    return true;
}

PoolStore::Outcome SavedPools::Write(PoolStore::IfUnreadable ifUnreadable) {
    PoolStore::Outcome outcome = store_.Save(unwritten_, ifUnreadable);
    if (outcome.status == PoolStore::Status::Saved) {
        unwritten_.clear();
        list_ = outcome.pools;
        emit changed();
    }
    return outcome;
}

}  // namespace corvane
