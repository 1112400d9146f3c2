#include "window/common/AtomicFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
// Only the calls, not the min and max macros that would shadow std::max.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::AtomicFile)
};

// The error the system gave for the call that just failed.
int LastSystemError() {
#ifdef Q_OS_WIN
    return static_cast<int>(GetLastError());
#else
    return errno;
#endif
}

bool IsNoSpace(int systemError) {
#ifdef Q_OS_WIN
    return systemError == ERROR_DISK_FULL || systemError == ERROR_HANDLE_DISK_FULL;
#else
    return systemError == ENOSPC || systemError == EDQUOT;
#endif
}

QString Size(qint64 bytes) {
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

// A full disk says how much the file needed, since the system's own words
// for it rarely do.
QString NoSpaceWords(const QString& path, qint64 needed) {
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    //: %1 and %2 are sizes such as "6.7 kB".
    return Words::tr("there is not enough space left on the disk (the file needs %1, %2 are free)")
        .arg(Size(needed), Size(std::max<qint64>(0, disk.bytesAvailable())));
}

}  // namespace

std::optional<QString> AtomicFile::Write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A folder that allows no temporary file is refused, not written in place.
    file.setDirectWriteFallback(false);
    // Drops the unfinished file and says why, with the system's error as the
    // failed call left it and the disk's free space as it is without the file.
    const auto failed = [&](int systemError, const QString& words) {
        const bool noSpace = file.error() == QFileDevice::ResourceError || IsNoSpace(systemError);
        // Cancelled, the commit removes the unfinished file and gives back its room.
        file.cancelWriting();
        file.commit();
        return noSpace ? NoSpaceWords(path, bytes.size()) : words;
    };
    if (!Open(file)) return failed(LastSystemError(), file.errorString());
    // Qt's buffer would hold the bytes back until the commit, which does not
    // stop for a write that fails there: unbuffered, each failure shows here.
    if (Put(file, bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        return failed(LastSystemError(), file.errorString());
    }
    if (!Sync(file)) {
        const int error = LastSystemError();
        return failed(error,
                      Words::tr("the disk did not confirm that the file was written (%1)")
                          .arg(QString::fromStdString(std::system_category().message(error))));
    }
    if (!Commit(file)) return failed(LastSystemError(), file.errorString());
    return std::nullopt;
}

bool AtomicFile::Open(QSaveFile& file) {
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 AtomicFile::Put(QSaveFile& file, const QByteArray& bytes) { return file.write(bytes); }

bool AtomicFile::Sync(QSaveFile& file) {
#ifdef Q_OS_WIN
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
#else
    return ::fdatasync(file.handle()) == 0;
#endif
}

bool AtomicFile::Commit(QSaveFile& file) { return file.commit(); }

}  // namespace corvane
