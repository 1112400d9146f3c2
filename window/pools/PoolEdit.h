#pragma once

#include "window/pools/SavedPool.h"

namespace corvane {

// One change the player made to the list, said by the pools' names, so that
// it can be made again on the file as another copy of the program left it:
// what the other copy saved under other names stays.
struct PoolEdit {
    enum class Kind { Put, Remove, Rename, Move, Restore };

    // Saves the pool, in place of one of the same name or at the end.
    static PoolEdit Put(SavedPool pool) { return {Kind::Put, {}, std::move(pool), 0}; }
    static PoolEdit Remove(QString name) { return {Kind::Remove, std::move(name), {}, 0}; }
    // Gives the pool called `from` the name `to`, and nothing else of what
    // this run knew of it: its dice and target stay as the file has them.
    static PoolEdit Rename(QString from, QString to) {
        return {Kind::Rename, std::move(from), SavedPool{std::move(to), {}, {}, {}}, 0};
    }
    // One place up (-1) or down (+1), where there is room.
    static PoolEdit Move(QString name, qsizetype by) {
        return {Kind::Move, std::move(name), {}, by};
    }
    // Brings a deleted pool back where it stood, or as near as the list allows.
    static PoolEdit Restore(SavedPool pool, qsizetype at) {
        return {Kind::Restore, {}, std::move(pool), at};
    }

    Kind kind;
    QString name;
    SavedPool pool;
    qsizetype place;  // Move: by how much; Restore: where
};

enum class EditResult {
    Made,
    // A new pool would pass kMostPools.
    Full,
    // The pool to rename is not in the list: another copy deleted or renamed it.
    Gone,
    // The name to rename or restore to is another pool's: another copy saved it.
    Taken,
};

// Makes the change on `pools`, or leaves them as they were and says why not.
EditResult Apply(SavedPoolList& pools, const PoolEdit& edit);

}  // namespace corvane
