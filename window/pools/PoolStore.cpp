#include "window/pools/PoolStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include "window/common/AtomicFile.h"

namespace corvane {

PoolStore::PoolStore(QString path, AtomicFile& writer, int lockWaitMs)
    : path_(std::move(path)), writer_(writer), lockWaitMs_(lockWaitMs) {}

QString PoolStore::DefaultPath() {
    // XDG_CONFIG_HOME, or ~/.config where it is not set, on Linux.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("corvane-dice/pools.json"));
}

PoolFileContent PoolStore::Read() const {
    if (!QFileInfo::exists(path_)) return {};
    QFile file(path_);
    PoolFileContent content;
    if (!file.open(QIODevice::ReadOnly)) {
        content.problem = PoolFileProblem::CannotOpen;
        content.detail = file.errorString();
        return content;
    }
    // One byte past the limit tells a file too large from one just large enough.
    return ReadPoolFile(file.read(kLargestPoolFile + 1));
}

PoolStore::Outcome PoolStore::Save(const QList<PoolEdit>& edits, IfUnreadable ifUnreadable) {
    Outcome outcome;
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        outcome.error =
            QCoreApplication::translate("corvane::PoolStore", "The folder %1 could not be made.")
                .arg(QDir::toNativeSeparators(folder));
        return outcome;
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs_)) {
        if (lock.error() == QLockFile::LockFailedError) {
            outcome.status = Status::Busy;
        } else {
            outcome.error = QCoreApplication::translate("corvane::PoolStore",
                                                        "No file can be written in the folder %1.")
                                .arg(QDir::toNativeSeparators(folder));
        }
        return outcome;
    }
    outcome.found = Read();
    if (outcome.found.problem != PoolFileProblem::None) {
        if (ifUnreadable == IfUnreadable::Refuse) {
            outcome.status = Status::Unreadable;
            return outcome;
        }
        if (!SetAside(outcome)) return outcome;
    }
    SavedPoolList pools = outcome.found.pools;
    for (const PoolEdit& edit : edits) {
        if (!Apply(pools, edit)) ++outcome.refused;
    }
    if (const std::optional<QString> error = writer_.Write(path_, PoolFileBytes(pools))) {
        outcome.error = *error;
        return outcome;
    }
    outcome.status = Status::Saved;
    outcome.pools = std::move(pools);
    return outcome;
}

bool PoolStore::SetAside(Outcome& outcome) const {
    // A copy, not a move: until the new file is written whole, the old one
    // stays where it was too.
    outcome.setAside = SetAsidePath(path_, QDateTime::currentDateTime());
    QFile original(path_);
    if (original.copy(outcome.setAside)) return true;
    outcome.error = original.errorString();
    outcome.setAside.clear();
    return false;
}

QString SetAsidePath(const QString& path, const QDateTime& when) {
    const QFileInfo file(path);
    const QString stem = file.completeBaseName() + QStringLiteral(".unreadable-") +
                         when.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString name = stem + QStringLiteral(".json");
    for (int number = 2; file.dir().exists(name); ++number) {
        name = stem + QStringLiteral("-%1.json").arg(number);
    }
    return file.dir().filePath(name);
}

}  // namespace corvane
