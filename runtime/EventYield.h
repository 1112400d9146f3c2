#pragma once

namespace corvane {

enum class YieldOutcome {
    Continue,
    // The window is going away: the work in progress must stop without
    // touching the window or its state.
    WindowClosing,
};

// Lets the window run its pending events in the middle of long work.
class EventYield {
public:
    virtual ~EventYield() = default;
    virtual YieldOutcome YieldToEvents() = 0;
};

// For work done where there is no window: returns at once.
class ImmediateYield final : public EventYield {
public:
    YieldOutcome YieldToEvents() override { return YieldOutcome::Continue; }
};

}  // namespace corvane
