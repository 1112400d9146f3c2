#include "window/common/CountText.h"

#include <QCoreApplication>

#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

QString Number(int count, Digits digits) {
    return digits == Digits::Grouped ? GroupedCount(count) : QString::number(count);
}

}  // namespace

// English has no translation file, so its singulars are texts of their own; a
// translation gives all its plural forms on the plural text.

QString SuccessCount(int count, Digits digits) {
    if (count == 1) return QCoreApplication::translate("corvane::CountText", "1 success");
    return QCoreApplication::translate("corvane::CountText", "%1 successes", nullptr, count)
        .arg(Number(count, digits));
}

QString DiceCount(int count, Digits digits) {
    if (count == 1) return QCoreApplication::translate("corvane::CountText", "1 die");
    return QCoreApplication::translate("corvane::CountText", "%1 dice", nullptr, count)
        .arg(Number(count, digits));
}

}  // namespace corvane
