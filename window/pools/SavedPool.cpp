#include "window/pools/SavedPool.h"

#include <QCoreApplication>

#include "window/common/CountText.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::SavedPool)
};

}  // namespace

std::optional<QString> PoolName(const QString& typed) {
    const QString name = typed.trimmed().normalized(QString::NormalizationForm_C);
    if (name.isEmpty() || NameLength(name) > kLongestPoolName) return std::nullopt;
    return name;
}

qsizetype NameLength(const QString& name) { return name.toUcs4().size(); }

qsizetype IndexOfPool(const SavedPoolList& pools, const QString& name) {
    for (qsizetype i = 0; i < pools.size(); ++i) {
        if (pools[i].Name == name) return i;
    }
    return -1;
}

QString Isolated(const QString& name) {
    return QChar(0x2068) + name + QChar(0x2069);  // first strong isolate ... pop isolate
}

QString PoolCount(int count) { return Words::tr("%n pools", nullptr, count); }

QString PoolText(const SavedPool& pool) {
    //: A saved pool: %1 is its name, %2 "7 dice at target 4".
    return Words::tr("%1: %2").arg(Isolated(pool.Name), PoolRollText(pool.Dice, pool.Target));
}

QString PoolRollText(Int16 dice, Int16 target) {
    //: What a pool rolls: %1 is "7 dice", %2 the target number.
    return Words::tr("%1 at target %2")
        .arg(DiceCount(dice.Value()), QString::number(target.Value()));
}

}  // namespace corvane
