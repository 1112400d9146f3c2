#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include "window/pools/SavedPool.h"

namespace corvane {

// The pools file: JSON in UTF-8, as the README describes it.
//
//   {
//       "format": "corvane-dice-pools",
//       "pools": [
//           {
//               "dice": 7,
//               "name": "Pistol",
//               "target": 4
//           }
//       ],
//       "version": 1
//   }
//
// A reader refuses a version newer than its own, so that it never drops what
// a newer program wrote by saving over it.
inline constexpr int kPoolFileVersion = 1;
inline constexpr qint64 kLargestPoolFile = 1024 * 1024;

// Why a file could not be read as it is; the first problem found.
enum class PoolFileProblem {
    None,
    CannotOpen,
    TooLarge,
    Truncated,
    NotPoolsFile,
    NewerVersion,
    WrongTypes,
    NameTooLong,
    DuplicateName,
    TooManyPools,
    // More dice than a roll can hold: such a pool could never roll.
    TooManyDice,
    // A folder, a pipe or a device where the file should be: never opened,
    // since reading a pipe waits for a writer that never comes.
    NotRegularFile,
};

struct PoolFileContent {
    // Every pool that could be read, in the file's order.
    SavedPoolList pools;
    PoolFileProblem problem = PoolFileProblem::None;
    // The pool at fault, counted from 1, for problems of one pool.
    qsizetype entry = 0;
    // Why it could not be opened, in the system's words.
    QString detail;
    // The file's own keys that this version does not know, kept for the next save.
    QJsonObject unknown;
};

// The file holding `pools` and the file's `unknown` keys, ready to write.
QByteArray PoolFileBytes(const SavedPoolList& pools, const QJsonObject& unknown = {});
// What a file holds. A pool of the wrong kinds, with a name too long or taken
// by an earlier pool, or past kMostPools is left out and the first such is
// named; a file that is not one, is cut short or newer gives no pools at all.
PoolFileContent ReadPoolFile(const QByteArray& bytes);

}  // namespace corvane
