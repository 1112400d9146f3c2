#pragma once

#include <QObject>

#include "window/pools/PoolStore.h"

namespace corvane {

// The saved pools as this run knows them: what the file held at start, with
// every change the player made since. A change that could not be written yet
// stays in the list for this run and goes with the next write.
class SavedPools final : public QObject {
    Q_OBJECT
public:
    explicit SavedPools(PoolStore& store, QObject* parent = nullptr);

    // Reads the file when there is one, keeping what could be read of it.
    void Load();
    const SavedPoolList& List() const { return list_; }
    // What Load found; an unreadable file is left as it is.
    const PoolFileContent& Loaded() const { return loaded_; }
    const QString& Path() const { return store_.Path(); }

    // Makes a change in the list, to be written by the next Write; false
    // when it cannot be made (Apply says why).
    bool Make(const PoolEdit& edit);
    // Writes every change not yet written. Once saved, the list is the file's,
    // with what another copy saved there meanwhile.
    PoolStore::Outcome Write(PoolStore::IfUnreadable ifUnreadable);

signals:
    void changed();

private:
    PoolStore& store_;
    SavedPoolList list_;
    QList<PoolEdit> unwritten_;
    PoolFileContent loaded_;
};

}  // namespace corvane
