#include "window/common/CountText.h"

#include <QCoreApplication>

namespace corvane {

// English has no translation file, so its singulars are texts of their own; a
// translation gives all its plural forms on the plural text.

QString SuccessCount(int count) {
    if (count == 1) return QCoreApplication::translate("corvane::CountText", "1 success");
    return QCoreApplication::translate("corvane::CountText", "%n successes", nullptr, count);
}

QString DiceCount(int count) {
    if (count == 1) return QCoreApplication::translate("corvane::CountText", "1 die");
    return QCoreApplication::translate("corvane::CountText", "%n dice", nullptr, count);
}

}  // namespace corvane
