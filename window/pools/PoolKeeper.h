#pragma once

#include <QObject>
#include <functional>
#include <string_view>

#include "window/common/AtomicFile.h"
#include "window/pools/PoolStore.h"
#include "window/pools/SavedPools.h"

class QWidget;

namespace corvane {

class Announcer;
class Dialogs;
class StatusLine;

// Saves, imports and exports the pools as the player asks, putting the
// questions a save needs and saying what became of it: short news goes back to
// the caller, for the status line of the window the player asked in; trouble
// shows in a warning box (with the file's path) and is said to screen readers.
class PoolKeeper final : public QObject {
    Q_OBJECT
public:
    PoolKeeper(const QString& path, Dialogs& dialogs, Announcer& announcer);

    // What became of a request. `news` is for the status line; it is empty
    // when the player cancelled or a warning has said what went wrong.
    struct Result {
        bool done = false;
        QString news;
    };

    // Reads the saved pools from their file the first time they are needed,
    // so that starting the program reads nothing; an unreadable file is told
    // then, once, over `parent`, with what could be read of it kept. Every
    // request below loads first.
    void Load(QWidget* parent);
    // The pools as last loaded or changed: none before the first Load.
    const SavedPoolList& List() const { return pools_.List(); }
    QString Path() const { return pools_.Path(); }
    // Saves the pool typed in the two fields under a name the player gives.
    Result SaveFromFields(std::string_view diceText, std::string_view targetText, QWidget* parent);
    // Makes the changes and writes them; `done` is said when they are saved.
    Result Change(const QList<PoolEdit>& edits, const QString& done, QWidget* parent);
    // Asks for a new name for the pool called `name`.
    Result Rename(const QString& name, QWidget* parent);
    Result Export(QWidget* parent);
    Result Import(QWidget* parent);

signals:
    // The list changed: read, saved, or changed for this run.
    void changed();

private:
    // Says `text` in a warning box over `parent`; the request came to nothing.
    Result Warn(QWidget* parent, const QString& text);
    Result Write(const QString& done, QWidget* parent);
    // A name, asked under `title` with `ask` and starting as `typed`; asked
    // again, with what was typed and why it would not do, until the player
    // gives one a pool can have that `mayTake` accepts, or cancels.
    std::optional<QString> AskName(QWidget* parent, const QString& title, const QString& ask,
                                   QString typed,
                                   const std::function<bool(const QString&)>& mayTake);
    // The pools of the file the player chose, or nothing when it is unreadable.
    std::optional<SavedPoolList> ReadImport(const QString& path, QWidget* parent);

    Dialogs& dialogs_;
    Announcer& announcer_;
    AtomicFile writer_;
    PoolStore store_;
    SavedPools pools_;
    bool loaded_ = false;
};

// Shows what became of a request on `line` (when there is one and news to
// show); whether the request was done.
bool TellOn(StatusLine* line, const PoolKeeper::Result& result);

}  // namespace corvane
