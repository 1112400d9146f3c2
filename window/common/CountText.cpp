#include "window/common/CountText.h"

#include <QCoreApplication>

#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::CountText)
};

QString Number(int count, Digits digits) {
    return digits == Digits::Grouped ? GroupedCount(count) : QString::number(count);
}

}  // namespace

QString SuccessCount(int count, Digits digits) {
    return Words::tr("%1 successes", nullptr, count).arg(Number(count, digits));
}

QString DiceCount(int count, Digits digits) {
    return Words::tr("%1 dice", nullptr, count).arg(Number(count, digits));
}

}  // namespace corvane
