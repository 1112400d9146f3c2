#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

#include "runtime/Int16.h"

namespace corvane {

// A pool the player keeps under a name, with its dice and target as the
// roller reads them from the fields.
struct SavedPool {
    QString Name;
    Int16 Dice;
    Int16 Target;
    // The pool's keys in its file that this version does not know, kept as
    // they were so that a save never drops what a later version wrote.
    QJsonObject Unknown = {};

    friend bool operator==(const SavedPool&, const SavedPool&) = default;
};

using SavedPoolList = QList<SavedPool>;

// The same dice at the same target, whatever the names.
inline bool RollsAlike(const SavedPool& one, const SavedPool& other) {
    return one.Dice == other.Dice && one.Target == other.Target;
}

// What the list, and so its file, holds at most.
inline constexpr qsizetype kMostPools = 1000;
inline constexpr qsizetype kLongestPoolName = 60;  // characters, however many bytes each
// How many of the first saved pools have a key of their own: Ctrl+1 to Ctrl+9.
inline constexpr int kPoolsWithKeys = 9;

// The name as it is kept: trimmed and in Unicode's composed form, so that the
// same name typed twice is the same name; nothing when it is empty or longer
// than kLongestPoolName.
std::optional<QString> PoolName(const QString& typed);
// Characters, as the limit counts them: one for each letter or sign, however
// Qt stores it.
qsizetype NameLength(const QString& name);
// Where the pool of that name stands; -1 when there is none.
qsizetype IndexOfPool(const SavedPoolList& pools, const QString& name);

// The name set apart from the text around it, so that a name in a
// right-to-left script, or one holding direction marks, cannot reorder the
// words beside it.
QString Isolated(const QString& name);

// "1 pool", "4 pools".
QString PoolCount(int count);
// "Pistol: 7 dice at target 4", as the Pools window lists it and screen
// readers read it.
QString PoolText(const SavedPool& pool);
// What the pool rolls: "7 dice at target 4".
QString PoolRollText(Int16 dice, Int16 target);

}  // namespace corvane
