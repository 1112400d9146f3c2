#include "window/AboutText.h"

#include "runtime/Version.h"

namespace corvane {

QString AboutText() {
    return QStringLiteral("Corvane Dice ") + QLatin1String(kVersionText) +
           QStringLiteral(
               "\n\nCopyright \u00A9 2026 the Corvane Dice developers. Free software "
               "under the GNU GPL, version 3 or later.\n") +
           QStringLiteral("Questions and ideas: dice@corvane.example");
}

}  // namespace corvane
