#include "window/common/EngineText.h"

#include <QCoreApplication>
#include <string>

#include "engine/Limits.h"
#include "engine/Roller.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::EngineText)
};

}  // namespace

QString EngineText(std::string_view text) {
    // The lookup reads the text up to a terminating zero, which a view need not have.
    const std::string source(text);
    return QCoreApplication::translate(kMessageContext, source.c_str());
}

QString TargetRangeHint() {
    return Words::tr("Type a target from %1 to %2 to see the chances.")
        .arg(GroupedCount(kLowestTarget.Value()), GroupedCount(kHighestTarget.Value()));
}

}  // namespace corvane
