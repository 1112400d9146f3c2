#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>
#include <optional>

namespace corvane {

// The lock a save of the pools file holds, beside the file, so that two
// copies of the program take turns. It tells a lock another copy holds from
// one a killed copy left behind, and from something in the lock's way.
class PoolLock {
    Q_DECLARE_TR_FUNCTIONS(corvane::PoolLock)

public:
    struct Failure {
        // Another copy holds it; otherwise `error` says what is wrong.
        bool busy = false;
        QString error;
    };

    explicit PoolLock(const QString& poolsPath);

    // Waits up to `waitMs` for the lock. Once it is ours, what a copy killed
    // in the middle of a save left of its file is cleared away.
    std::optional<Failure> Take(int waitMs);

private:
    void RemoveBrokenLock();
    void RemoveUnfinishedFiles() const;
    QString Busy() const;

    QString poolsPath_;
    QString folder_;
    QLockFile lock_;
};

}  // namespace corvane
