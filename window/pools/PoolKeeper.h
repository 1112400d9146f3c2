#pragma once

#include <QObject>
#include <string_view>

#include "window/common/AtomicFile.h"
#include "window/pools/PoolStore.h"
#include "window/pools/SavedPools.h"

class QWidget;

namespace corvane {

class Announcer;
class Dialogs;

// Saves, imports and exports the pools as the player asks, putting the
// questions a save needs and saying what became of it: short news through
// told() and the announcer, trouble in a warning box (with the file's path)
// and the announcer.
class PoolKeeper final : public QObject {
    Q_OBJECT
public:
    PoolKeeper(const QString& path, Dialogs& dialogs, Announcer& announcer, QObject* parent);

    // The saved pools, read from the file when they are first asked for, so
    // that starting the program reads nothing; an unreadable file is told
    // then, once, with what could be read of it kept.
    SavedPools& Pools();
    // Saves the pool typed in the two fields under a name the player gives.
    void SaveFromFields(std::string_view diceText, std::string_view targetText, QWidget* parent);
    // Makes the changes and writes them; `done` is said when they are saved.
    bool Change(const QList<PoolEdit>& edits, const QString& done, QWidget* parent);
    // Asks for a new name for the pool called `name`.
    void Rename(const QString& name, QWidget* parent);
    void Export(QWidget* parent);
    void Import(QWidget* parent);

signals:
    // The list changed: read, saved, or changed for this run.
    void changed();
    // Short news for the status line of `window`, the one the player is in.
    void told(const QString& text, QWidget* window);

private:
    void Tell(const QString& text, QWidget* window);
    void Warn(QWidget* parent, const QString& text);
    bool Write(const QString& done, QWidget* parent);
    // The pools of the file the player chose, or nothing when it is unreadable.
    std::optional<SavedPoolList> ReadImport(const QString& path, QWidget* parent);

    Dialogs& dialogs_;
    Announcer& announcer_;
    AtomicFile writer_;
    PoolStore store_;
    SavedPools pools_;
    bool loaded_ = false;
};

}  // namespace corvane
