#include "window/roller/AboutText.h"

#include <QCoreApplication>

#include "runtime/Version.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::AboutText)
};

}  // namespace

QString AboutText() {
    return QStringLiteral("Corvane Dice ") + QLatin1String(kVersionText) + QStringLiteral("\n\n") +
           Words::tr(
               "Copyright \u00A9 2026 the Corvane Dice developers. Free software under the "
               "GNU GPL, version 3 or later.");
}

}  // namespace corvane
