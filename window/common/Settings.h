#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

#include "window/common/AtomicFile.h"

namespace corvane {

// The folder the player's files live in (the saved pools, the settings):
// XDG_CONFIG_HOME/corvane-dice, or ~/.config/corvane-dice, on Linux.
QString UserFolder();

// The player's settings, each a key of one list with its default, kept in
// settings.json beside the saved pools. The file is read when the program
// starts and made only when the player changes a setting; it is written
// whole, and one that cannot be read is reported and never written over.
class Settings {
public:
    enum class Key {
        // The name the player goes by at a shared table.
        PlayerName,
    };

    explicit Settings(QString path);
    static QString DefaultPath();

    // The setting, or its default where the file does not give it.
    QString Value(Key key) const;
    // Changes the setting and writes the file: nothing when it is saved,
    // else what went wrong, in words, with the setting unchanged.
    std::optional<QString> Set(Key key, const QString& value);
    // Why the file could not be read; empty when it could, or is not there.
    const QString& Problem() const { return problem_; }

private:
    QString path_;
    QJsonObject values_;
    QString problem_;
    AtomicFile writer_;
};

}  // namespace corvane
