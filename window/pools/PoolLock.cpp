#include "window/pools/PoolLock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

namespace corvane {
namespace {

// A lock holds a program's number, name and machine, written right after the
// file is made; one that says none of them this long after is broken.
constexpr qint64 kBrokenLockAgeMs = 2000;
// Below this, no lock and no pools file can be written.
constexpr qint64 kLeastRoomToSave = 4096;

}  // namespace

PoolLock::PoolLock(const QString& poolsPath)
    : poolsPath_(poolsPath),
      folder_(QFileInfo(poolsPath).absolutePath()),
      lock_(poolsPath + QStringLiteral(".lock")) {}

std::optional<PoolLock::Failure> PoolLock::Take(int waitMs) {
    const QString folder = QDir::toNativeSeparators(folder_);
    const auto failed = [](const QString& error) { return Failure{false, error}; };
    if (!QDir().mkpath(folder_)) {
        return failed(tr("the folder %1 could not be made").arg(folder));
    }
    if (const QFileInfo file(lock_.fileName()); file.exists() && !file.isFile()) {
        return failed(tr("%1 is in the way of the lock file that saving takes: move it away")
                          .arg(QDir::toNativeSeparators(file.filePath())));
    }
    RemoveBrokenLock();
    if (lock_.tryLock(waitMs)) {
        RemoveUnfinishedFiles();
        return std::nullopt;
    }
    if (lock_.error() == QLockFile::LockFailedError) return Failure{true, Busy()};
    const qint64 free = QStorageInfo(folder_).bytesAvailable();
    if (free >= 0 && free < kLeastRoomToSave) {
        return failed(tr("there is no space left on the disk of %1").arg(folder));
    }
    return failed(tr("no file can be written in the folder %1").arg(folder));
}

void PoolLock::RemoveBrokenLock() {
    qint64 pid = 0;
    QString host, program;
    const QFileInfo file(lock_.fileName());
    if (!file.exists() || lock_.getLockInfo(&pid, &host, &program)) return;
    const qint64 age = file.lastModified().msecsTo(QDateTime::currentDateTime());
    if (std::abs(age) > kBrokenLockAgeMs) lock_.removeStaleLockFile();
}

void PoolLock::RemoveUnfinishedFiles() const {
    // The system's atomic save writes "pools.json.XXXXXX" and renames it over
    // the file; a copy killed between the two leaves it. Only a copy holding
    // the lock saves, so while it is ours no such file is anyone's work.
    const QFileInfo pools(poolsPath_);
    const QRegularExpression unfinished(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(pools.fileName())));
    for (const QFileInfo& file : pools.dir().entryInfoList(QDir::Files | QDir::Hidden)) {
        if (unfinished.match(file.fileName()).hasMatch()) QFile::remove(file.filePath());
    }
}

QString PoolLock::Busy() const {
    qint64 pid = 0;
    QString host, program;
    if (!lock_.getLockInfo(&pid, &host, &program)) {
        return tr("another copy of Corvane Dice is saving pools right now");
    }
    return tr("another copy of Corvane Dice (process %1 on %2) is saving pools right now")
        .arg(pid)
        .arg(host);
}

}  // namespace corvane
