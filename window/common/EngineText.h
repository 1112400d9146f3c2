#pragma once

#include <QString>
#include <string_view>

namespace corvane {

// A text the engine gives in English (the refusals), in the user's language.
QString EngineText(std::string_view text);

// What to type where the target field holds a number past the 16-bit limits,
// said wherever chances of the typed target would be shown.
QString TargetRangeHint();

}  // namespace corvane
