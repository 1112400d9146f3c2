#include "window/pools/PoolMessages.h"

#include <QDir>

#include "engine/Limits.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

QString PoolMessages::Problem(const PoolFileContent& content) {
    const auto entry = static_cast<int>(content.entry);
    switch (content.problem) {
        case PoolFileProblem::CannotOpen:
            return tr("it cannot be opened (%1)").arg(content.detail);
        case PoolFileProblem::TooLarge:
            return tr("it is larger than 1 MiB");
        case PoolFileProblem::Truncated:
            return tr("it is cut short");
        case PoolFileProblem::NotPoolsFile:
            return tr("it is not a pools file");
        case PoolFileProblem::NewerVersion:
            return tr("it was written by a newer version of Corvane Dice");
        case PoolFileProblem::TooManyDice:
            return tr("pool %1 in it has more dice than a roll can hold (%2)")
                .arg(entry)
                .arg(GroupedCount(kMostDice.Value()));
        case PoolFileProblem::WrongTypes:
            if (entry == 0) return tr("its list of pools is missing");
            return tr("pool %1 in it is not a name with a number of dice and a target").arg(entry);
        case PoolFileProblem::NameTooLong:
            return tr("the name of pool %1 in it is longer than %2 characters")
                .arg(entry)
                .arg(kLongestPoolName);
        case PoolFileProblem::DuplicateName:
            return tr("pool %1 in it has the same name as a pool before it").arg(entry);
        case PoolFileProblem::TooManyPools:
            return tr("it holds more than %1 pools").arg(kMostPools);
        case PoolFileProblem::NotRegularFile:
            return tr("it is a folder, a pipe or a device, not a file");
        case PoolFileProblem::None:
            break;
    }
    return {};
}

QString PoolMessages::Unreadable(const QString& path, const PoolFileContent& content) {
    if (content.problem == PoolFileProblem::NotRegularFile) {
        return tr("The saved pools cannot be read from %1: %2. It is left as it is; to save "
                  "pools, move it away.")
            .arg(Native(path), Problem(content));
    }
    const QString read = PoolCount(static_cast<int>(content.pools.size()));
    //: %3 is "1 pool" or "4 pools".
    return tr("The saved pools in %1 cannot all be read: %2. The file is left as it is, and "
              "the program goes on with the %3 it could read. Your next save asks before it "
              "changes anything.")
        .arg(Native(path), Problem(content), read);
}

QString PoolMessages::SetAsideQuestion(const QString& path, const PoolFileContent& content) {
    const QString read = PoolCount(static_cast<int>(content.pools.size()));
    //: %3 is "1 pool" or "4 pools".
    return tr("The saved pools in %1 cannot all be read: %2. To save, the program keeps that "
              "file aside under a dated name and writes a new one with the %3 it could read and "
              "your changes. Save?")
        .arg(Native(path), Problem(content), read);
}

QString PoolMessages::SetAside(const QString& keptAs) {
    return tr("The unreadable pools file is kept as %1.").arg(Native(keptAs));
}

QString PoolMessages::NotWritten(const QString& path, const PoolStore::Outcome& outcome) {
    QString text = tr("Your pools could not be saved in %1: %2. They stay in the list until you "
                      "close the program, and the next save tries again.")
                       .arg(Native(path), outcome.error);
    if (!outcome.setAside.isEmpty()) text += QLatin1Char(' ') + SetAside(outcome.setAside);
    return text;
}

QString PoolMessages::Conflicts(const QList<PoolStore::Conflict>& conflicts) {
    QStringList texts;
    for (const PoolStore::Conflict& conflict : conflicts) {
        texts << (conflict.result == EditResult::Gone
                      ? tr("Not changed: the pool \"%1\" was deleted or renamed meanwhile by "
                           "another copy of Corvane Dice.")
                      : tr("Not changed: there is a saved pool named \"%1\" already."))
                     .arg(Isolated(conflict.name));
    }
    return texts.join(QLatin1Char(' '));
}

QString PoolMessages::Full() {
    return tr("The list holds at most %1 pools: delete one to save another.").arg(kMostPools);
}

}  // namespace corvane
