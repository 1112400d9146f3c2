#include "window/pools/PoolMessages.h"

#include <QDir>

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
        case PoolFileProblem::None:
            break;
    }
    return {};
}

QString PoolMessages::Unreadable(const QString& path, const PoolFileContent& content) {
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
    if (outcome.status == PoolStore::Status::Busy) {
        return tr(
            "Another copy of Corvane Dice is saving pools right now. Your change stays in "
            "the list until you close the program, and the next save tries again.");
    }
    return tr("Your pools could not be saved in %1: %2. They stay in the list until you close "
              "the program, and the next save tries again.")
        .arg(Native(path), outcome.error);
}

QString PoolMessages::Full() {
    return tr("The list holds at most %1 pools: delete one to save another.").arg(kMostPools);
}

}  // namespace corvane
