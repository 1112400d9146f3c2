#pragma once

#include <QString>
#include <optional>

class QByteArray;
class QSaveFile;

namespace corvane {

// Writes a file whole or not at all: the bytes go to a temporary file beside
// it, which is flushed and then renamed over the old one, so a crash, a full
// disk or a power cut leaves the old file or the new one, never half of one.
class AtomicFile {
public:
    virtual ~AtomicFile() = default;

    // Nothing when written; otherwise what went wrong, in words, and the old
    // file is as it was.
    std::optional<QString> Write(const QString& path, const QByteArray& bytes);

protected:
    // The three steps of a write, each false when it fails; tests fail one.
    virtual bool Open(QSaveFile& file);
    virtual bool Put(QSaveFile& file, const QByteArray& bytes);
    virtual bool Commit(QSaveFile& file);
};

}  // namespace corvane
