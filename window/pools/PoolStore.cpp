#include "window/pools/PoolStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "window/common/AtomicFile.h"
#include "window/common/Settings.h"
#include "window/pools/PoolLock.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::PoolStore)
};

// Opens the file for reading if it is a regular one. Where the system allows,
// it is checked once opened, without waiting, so that a pipe put there after
// the check cannot hang the program either.
bool OpenRegular(QFile& file, PoolFileContent& content) {
#ifdef Q_OS_WIN
    if (!QFileInfo(file.fileName()).isFile()) {
        content.problem = PoolFileProblem::NotRegularFile;
        return false;
    }
    if (file.open(QIODevice::ReadOnly)) return true;
#else
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd);
        content.problem = PoolFileProblem::NotRegularFile;
        return false;
    }
    if (fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
    if (fd < 0) file.open(QIODevice::ReadOnly);  // for the system's words for why not
#endif
    content.problem = PoolFileProblem::CannotOpen;
    content.detail = file.errorString();
    return false;
}

// The set-aside copies of the unreadable file beside it.
QFileInfoList SetAsideCopies(const QString& path) {
    const QFileInfo file(path);
    return file.dir().entryInfoList(
        {file.completeBaseName() + QStringLiteral(".unreadable-*.") + file.suffix()}, QDir::Files);
}

}  // namespace

PoolStore::PoolStore(QString path, AtomicFile& writer, int lockWaitMs)
    : path_(std::move(path)), writer_(writer), lockWaitMs_(lockWaitMs) {}

QString PoolStore::DefaultPath() {
    return QDir(UserFolder()).filePath(QStringLiteral("pools.json"));
}

PoolFileContent ReadPoolsAt(const QString& path) {
    PoolFileContent content;
    QFile file(path);
    if (!OpenRegular(file, content)) return content;
    // One byte past the limit tells a file too large from one just large enough.
    return ReadPoolFile(file.read(kLargestPoolFile + 1));
}

PoolFileContent PoolStore::Read() const {
    // A dangling link is no file too: nothing was saved through it yet.
    if (!QFileInfo::exists(path_)) return {};
    return ReadPoolsAt(path_);
}

PoolStore::Outcome PoolStore::Save(const QList<PoolEdit>& edits, IfUnreadable ifUnreadable) {
    Outcome outcome;
    PoolLock lock(path_);
    if (const std::optional<PoolLock::Failure> failure = lock.Take(lockWaitMs_)) {
        outcome.status = failure->busy ? Status::Busy : Status::Failed;
        outcome.error = failure->error;
        return outcome;
    }
    outcome.found = Read();
    if (outcome.found.problem == PoolFileProblem::NotRegularFile) {
        // Nothing of it can be kept aside, and a save would replace it.
        outcome.error = Words::tr("it is a folder, a pipe or a device, not a file: move it away");
        return outcome;
    }
    if (outcome.found.problem != PoolFileProblem::None) {
        if (ifUnreadable == IfUnreadable::Refuse) {
            outcome.status = Status::Unreadable;
            return outcome;
        }
        if (!SetAside(outcome)) return outcome;
    }
    SavedPoolList pools = outcome.found.pools;
    for (const PoolEdit& edit : edits) {
        const EditResult result = Apply(pools, edit);
        if (result == EditResult::Full) ++outcome.refused;
        if (result == EditResult::Gone || result == EditResult::Taken) {
            outcome.conflicts << Conflict::Of(edit, result);
        }
    }
    if (const std::optional<QString> error =
            writer_.Write(path_, PoolFileBytes(pools, outcome.found.unknown))) {
        outcome.error = *error;
        return outcome;
    }
    outcome.status = Status::Saved;
    outcome.pools = std::move(pools);
    return outcome;
}

bool PoolStore::SetAside(Outcome& outcome) const {
    QFile original(path_);
    if (!original.open(QIODevice::ReadOnly)) {
        outcome.error = original.errorString();
        return false;
    }
    const QByteArray bytes = original.readAll();
    original.close();
    // One copy is enough: a save that failed after making it finds it again.
    for (const QFileInfo& copy : SetAsideCopies(path_)) {
        QFile kept(copy.filePath());
        if (kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes) {
            outcome.setAside = copy.filePath();
            return true;
        }
    }
    // A copy, not a move: until the new file is written whole, the old one
    // stays where it was too.
    outcome.setAside = SetAsidePath(path_, QDateTime::currentDateTime());
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
