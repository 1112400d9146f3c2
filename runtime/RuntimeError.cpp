#include "runtime/RuntimeError.h"

namespace corvane {

const char* RuntimeError::Text() const noexcept {
    switch (number_) {
        case ErrorNumber::Overflow:
            return "Overflow";
        case ErrorNumber::SubscriptOutOfRange:
            return "Subscript out of range";
    }
    return "Application-defined or object-defined error";
}

void RaiseOverflow() { throw RuntimeError(ErrorNumber::Overflow); }

void RaiseSubscriptOutOfRange() { throw RuntimeError(ErrorNumber::SubscriptOutOfRange); }

}  // namespace corvane
