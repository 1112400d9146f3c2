#pragma once

#include <functional>
#include <optional>

#include "runtime/RuntimeError.h"

namespace corvane::testing_support {

// The run-time error the action raised, or nothing when it completed.
inline std::optional<ErrorNumber> RaisedError(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return std::nullopt;
}

}  // namespace corvane::testing_support
