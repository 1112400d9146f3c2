#include "window/common/EngineText.h"

#include <QCoreApplication>
#include <string>

#include "engine/Roller.h"

namespace corvane {

QString EngineText(std::string_view text) {
    // The lookup reads the text up to a terminating zero, which a view need not have.
    const std::string source(text);
    return QCoreApplication::translate(kMessageContext, source.c_str());
}

QString TargetRangeHint() {
    return QCoreApplication::translate("corvane::EngineText",
                                       "Type a target from -32768 to 32767 to see the chances.");
}

}  // namespace corvane
