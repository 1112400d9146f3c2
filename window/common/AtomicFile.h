#pragma once

#include <QString>
#include <optional>

class QByteArray;
class QSaveFile;

namespace corvane {

// Writes a file whole or not at all: the bytes go to a temporary file beside
// it, which must reach the disk whole before it is renamed over the old one,
// so a crash, a full disk or a power cut leaves the old file or the new one,
// never half of one.
class AtomicFile {
public:
    virtual ~AtomicFile() = default;

    // Nothing when written; otherwise what went wrong, in words, and the old
    // file is as it was.
    std::optional<QString> Write(const QString& path, const QByteArray& bytes);

protected:
    // The steps of a write, each false (or short) when it fails; tests fail one.
    virtual bool Open(QSaveFile& file);
    // How many of the bytes the system took.
    virtual qint64 Put(QSaveFile& file, const QByteArray& bytes);
    // Asks the system to put the file on the disk, and hears whether it did.
    virtual bool Sync(QSaveFile& file);
    virtual bool Commit(QSaveFile& file);
};

}  // namespace corvane
