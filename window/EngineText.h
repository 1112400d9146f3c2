#pragma once

#include <QString>
#include <string_view>

namespace corvane {

// A text the engine gives in English (the refusals), in the user's language.
QString EngineText(std::string_view text);

}  // namespace corvane
