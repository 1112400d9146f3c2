#include "window/common/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::Settings)
};

const QString kFormat = QStringLiteral("corvane-dice-settings");
constexpr int kVersion = 1;
// Far more than the settings take: a larger file is no settings file.
constexpr qint64 kLargestFile = 64 * 1024;

struct KeyInfo {
    Settings::Key key;
    const char* name;
    const char* fallback;
};

constexpr KeyInfo kKeys[] = {
    {Settings::Key::PlayerName, "playerName", ""},
};

const KeyInfo& InfoOf(Settings::Key key) {
    for (const KeyInfo& info : kKeys) {
        if (info.key == key) return info;
    }
    return kKeys[0];
}

}  // namespace

QString UserFolder() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("corvane-dice"));
}

QString Settings::DefaultPath() {
    return QDir(UserFolder()).filePath(QStringLiteral("settings.json"));
}

Settings::Settings(QString path) : path_(std::move(path)) {
    const QFileInfo info(path_);
    if (!info.exists()) return;
    QFile file(path_);
    // Only a plain file is opened: reading a pipe would wait for ever.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        problem_ = Words::tr("it cannot be opened");
        return;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject object = document.object();
    if (bytes.size() > kLargestFile || !document.isObject() ||
        object.value(QLatin1String("format")).toString() != kFormat) {
        problem_ = Words::tr("it is not a settings file of Corvane Dice");
    } else if (object.value(QLatin1String("version")).toInt() != kVersion) {
        problem_ = Words::tr("it was written by another version of Corvane Dice");
    } else {
        values_ = object;
    }
}

QString Settings::Value(Key key) const {
    const KeyInfo& info = InfoOf(key);
    return values_.value(QLatin1String(info.name)).toString(QString::fromUtf8(info.fallback));
}

std::optional<QString> Settings::Set(Key key, const QString& value) {
    if (!problem_.isEmpty()) {
        return Words::tr("the settings file %1 is kept as it is, because %2")
            .arg(QDir::toNativeSeparators(path_), problem_);
    }
    // Keys of a later version are kept as they are.
    QJsonObject next = values_;
    next.insert(QLatin1String("format"), kFormat);
    next.insert(QLatin1String("version"), kVersion);
    next.insert(QLatin1String(InfoOf(key).name), value);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (std::optional<QString> error = writer_.Write(path_, QJsonDocument(next).toJson())) {
        return error;
    }
    values_ = next;
    return std::nullopt;
}

}  // namespace corvane
