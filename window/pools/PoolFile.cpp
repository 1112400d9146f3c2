#include "window/pools/PoolFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>
#include <optional>

#include "engine/Limits.h"

namespace corvane {
namespace {

const QString kFormat = QStringLiteral("corvane-dice-pools");
const QStringList kFileKeys = {QStringLiteral("format"), QStringLiteral("pools"),
                               QStringLiteral("version")};
const QStringList kPoolKeys = {QStringLiteral("dice"), QStringLiteral("name"),
                               QStringLiteral("target")};

// The keys of `object` that are not among `known`.
QJsonObject Unknown(QJsonObject object, const QStringList& known) {
    for (const QString& key : known) object.remove(key);
    return object;
}

// `known` written over the keys kept from the file: the program's own keys
// always say what the program holds.
QJsonObject WithKnown(QJsonObject unknown, const QJsonObject& known) {
    for (auto key = known.begin(); key != known.end(); ++key) unknown.insert(key.key(), *key);
    return unknown;
}

// A whole number from `low` to `high`, or nothing.
std::optional<Int16> WholeNumber(const QJsonValue& value, Int16 low, Int16 high) {
    if (!value.isDouble()) return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < low.Value() || number > high.Value()) {
        return std::nullopt;
    }
    return Int16(static_cast<std::int16_t>(number));
}

PoolFileContent Refused(PoolFileProblem problem) {
    PoolFileContent content;
    content.problem = problem;
    return content;
}

// Whether the parser ran out of text where more had to come: the file ends
// inside a value, or inside a literal such as "false". A fault before that
// (a comment, say) makes it no pools file, however the parser names it.
bool CutShort(const QByteArray& bytes, const QJsonParseError& error) {
    constexpr qsizetype kLongestLiteral = 5;
    qsizetype end = bytes.size();
    while (end > 0 && QChar::isSpace(static_cast<uchar>(bytes[end - 1]))) --end;
    return error.offset + kLongestLiteral >= end;
}

// Adds one pool of the file, or notes why it is left out. `names` holds the
// names read so far, so that a long list is checked in one pass.
void ReadPool(const QJsonValue& entry, qsizetype number, PoolFileContent& content,
              QSet<QString>& names) {
    const auto note = [&](PoolFileProblem problem) {
        if (content.problem != PoolFileProblem::None) return;
        content.problem = problem;
        content.entry = number;
    };
    const QJsonObject pool = entry.toObject();
    const QJsonValue diceValue = pool.value(QLatin1String("dice"));
    const std::optional<Int16> dice = WholeNumber(diceValue, kLeastDice, kMostDice);
    const std::optional<Int16> target =
        WholeNumber(pool.value(QLatin1String("target")), kLowestTarget, kHighestTarget);
    const QJsonValue name = pool.value(QLatin1String("name"));
    const std::optional<QString> kept = PoolName(name.toString());
    if (entry.isObject() && WholeNumber(diceValue, kLeastDice, kHighestTotal) && !dice) {
        note(PoolFileProblem::TooManyDice);
    } else if (!entry.isObject() || !dice || !target || !name.isString() ||
               name.toString().trimmed().isEmpty()) {
        note(PoolFileProblem::WrongTypes);
    } else if (!kept) {
        note(PoolFileProblem::NameTooLong);
    } else if (names.contains(*kept)) {
        note(PoolFileProblem::DuplicateName);
    } else if (content.pools.size() >= kMostPools) {
        note(PoolFileProblem::TooManyPools);
    } else {
        content.pools << SavedPool{*kept, *dice, *target, Unknown(pool, kPoolKeys)};
        names.insert(*kept);
    }
}

}  // namespace

QByteArray PoolFileBytes(const SavedPoolList& pools, const QJsonObject& unknown) {
    QJsonArray entries;
    for (const SavedPool& pool : pools) {
        entries << WithKnown(pool.Unknown, {{QLatin1String("name"), pool.Name},
                                            {QLatin1String("dice"), pool.Dice.Value()},
                                            {QLatin1String("target"), pool.Target.Value()}});
    }
    const QJsonObject file = WithKnown(unknown, {{QLatin1String("format"), kFormat},
                                                 {QLatin1String("version"), kPoolFileVersion},
                                                 {QLatin1String("pools"), entries}});
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

PoolFileContent ReadPoolFile(const QByteArray& bytes) {
    if (bytes.size() > kLargestPoolFile) return Refused(PoolFileProblem::TooLarge);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return Refused(CutShort(bytes, error) ? PoolFileProblem::Truncated
                                              : PoolFileProblem::NotPoolsFile);
    }
    const QJsonObject file = document.object();
    const QJsonValue version = file.value(QLatin1String("version"));
    const double written = version.toDouble();
    if (file.value(QLatin1String("format")).toString() != kFormat || !version.isDouble() ||
        written != std::floor(written) || written < 1) {
        return Refused(PoolFileProblem::NotPoolsFile);
    }
    if (written > kPoolFileVersion) return Refused(PoolFileProblem::NewerVersion);
    const QJsonValue entries = file.value(QLatin1String("pools"));
    if (!entries.isArray()) return Refused(PoolFileProblem::WrongTypes);
    PoolFileContent content;
    content.unknown = Unknown(file, kFileKeys);
    QSet<QString> names;
    qsizetype number = 0;
    for (const QJsonValue& entry : entries.toArray()) ReadPool(entry, ++number, content, names);
    return content;
}

}  // namespace corvane
