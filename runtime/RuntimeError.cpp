#include "runtime/RuntimeError.h"

namespace corvane {

const char* RuntimeError::Text() const noexcept {
    switch (number_) {
        case ErrorNumber::InvalidCall:
            return "Invalid procedure call or argument";
        case ErrorNumber::Overflow:
            return "Overflow";
        case ErrorNumber::OutOfMemory:
            return "Out of memory";
        case ErrorNumber::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorNumber::DivisionByZero:
            return "Division by zero";
    }
    return "Application-defined or object-defined error";
}

void RaiseOverflow() { throw RuntimeError(ErrorNumber::Overflow); }

void RaiseSubscriptOutOfRange() { throw RuntimeError(ErrorNumber::SubscriptOutOfRange); }

}  // namespace corvane
