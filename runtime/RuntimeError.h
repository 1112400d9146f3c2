#pragma once

#include <exception>
#include <string>

namespace corvane {

// The classic run-time error numbers, so a message can name the error the way
// players who know the old dice tools expect ("Overflow", error 6).
enum class ErrorNumber : int {
    Overflow = 6,
    SubscriptOutOfRange = 9,
};

// Raised by the checked arithmetic and the checked arrays. An operation that
// raises it is abandoned at that point.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorNumber number) noexcept : number_(number) {}

    ErrorNumber Number() const noexcept { return number_; }
    // The classic text of the error, e.g. "Subscript out of range".
    const char* Text() const noexcept;
    const char* what() const noexcept override { return Text(); }

private:
    ErrorNumber number_;
};

// Out of line so the hot paths that may raise stay small.
[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseSubscriptOutOfRange();

}  // namespace corvane
