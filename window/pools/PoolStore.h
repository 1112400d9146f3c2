#pragma once

#include <QList>
#include <QString>

#include "window/pools/PoolEdit.h"
#include "window/pools/PoolFile.h"

class QDateTime;

namespace corvane {

class AtomicFile;

// The pools file on disk. It is created by the first save and by nothing
// else; each save takes a lock beside it, reads it again and makes the
// player's changes on what it holds, so that two copies of the program
// saving at once keep each other's pools. A file that cannot be read is
// never written over.
class PoolStore {
public:
    enum class Status {
        Saved,
        // The file is unreadable; nothing was written.
        Unreadable,
        // Another copy held the lock all the time we waited.
        Busy,
        // The folder or the file could not be written; the error says why.
        Failed,
    };
    enum class IfUnreadable { Refuse, SetAside };

    // A change that could not be made on the file as another copy left it.
    struct Conflict {
        EditResult result = EditResult::Gone;
        // The pool that was gone, or the name that was taken.
        QString name;

        static Conflict Of(const PoolEdit& edit, EditResult result) {
            return {result, result == EditResult::Gone ? edit.name : edit.pool.Name};
        }
    };

    struct Outcome {
        Status status = Status::Failed;
        // The file as read before writing: its pools, or why it is unreadable.
        PoolFileContent found;
        // What the file holds now, after a save.
        SavedPoolList pools;
        // Changes that could not be made: the list was full.
        qsizetype refused = 0;
        QList<Conflict> conflicts;
        QString error;
        // Where a copy of the unreadable file is kept, once one is made.
        QString setAside;
    };

    // `lockWaitMs`: how long a save waits for another copy's lock.
    PoolStore(QString path, AtomicFile& writer, int lockWaitMs = 3000);

    // $XDG_CONFIG_HOME/corvane-dice/pools.json, or ~/.config/corvane-dice/...
    // on Linux; %LOCALAPPDATA%\corvane-dice\pools.json on Windows.
    static QString DefaultPath();

    const QString& Path() const { return path_; }
    // What the file holds; no file is an empty list. Opens nothing that is
    // not there.
    PoolFileContent Read() const;
    // Makes `edits` on the file as it is now and writes it. An unreadable file
    // is refused, or first copied aside under a dated name and then replaced
    // by what could be read of it with the edits made.
    Outcome Save(const QList<PoolEdit>& edits, IfUnreadable ifUnreadable);

private:
    bool SetAside(Outcome& outcome) const;

    QString path_;
    AtomicFile& writer_;
    int lockWaitMs_;
};

// What the pools file at `path` holds, opening only a regular file, so that
// nothing there can make the program wait.
PoolFileContent ReadPoolsAt(const QString& path);

// "pools.unreadable-2026-12-09-021500.json" beside `path`, numbered on when
// that name is taken.
QString SetAsidePath(const QString& path, const QDateTime& when);

}  // namespace corvane
