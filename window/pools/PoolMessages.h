#pragma once

#include <QCoreApplication>

#include "window/pools/PoolStore.h"

namespace corvane {

// What the program tells the player about the pools file, in plain words
// with the file's path.
class PoolMessages {
    Q_DECLARE_TR_FUNCTIONS(corvane::PoolMessages)

public:
    // The file found unreadable as the program started.
    static QString Unreadable(const QString& path, const PoolFileContent& content);
    // Asked before a save replaces an unreadable file.
    static QString SetAsideQuestion(const QString& path, const PoolFileContent& content);
    static QString SetAside(const QString& keptAs);
    static QString NotWritten(const QString& path, const PoolStore::Outcome& outcome);
    static QString Full();
    // Changes another copy's saves made impossible, or a name already taken.
    static QString Conflicts(const QList<PoolStore::Conflict>& conflicts);
    // Why a file is unreadable, to go after "cannot be read: ".
    static QString Problem(const PoolFileContent& content);
};

}  // namespace corvane
