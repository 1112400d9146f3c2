#include "window/common/AtomicFile.h"

#include <QSaveFile>

namespace corvane {

std::optional<QString> AtomicFile::Write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A folder that allows no temporary file is refused, not written in place.
    file.setDirectWriteFallback(false);
    if (Open(file) && Put(file, bytes) && Commit(file)) return std::nullopt;
    // An unfinished file is removed with `file`; the old one was never touched.
    return file.errorString();
}

bool AtomicFile::Open(QSaveFile& file) { return file.open(QIODevice::WriteOnly); }

bool AtomicFile::Put(QSaveFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}

bool AtomicFile::Commit(QSaveFile& file) { return file.commit(); }

}  // namespace corvane
