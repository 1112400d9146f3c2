#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "engine/Roller.h"
#include "runtime/Pcg32Random.h"

namespace corvane {

// A view that answers a new roll of a fixed pool at target 4 and shows nothing.
class SilentView final : public RollerView {
public:
    explicit SilentView(std::string diceText) : diceText_(std::move(diceText)) {}
    std::string DiceText() override { return diceText_; }
    std::string TargetText() override { return "4"; }
    Int16 RowCount() override { return Int16(); }
    Int16 MarkedRow() override { return Int16(-1); }
    void SetStatusMessage(std::string_view) override {}
    void Beep() override {}
    void ShowOutcome() override {}

private:
    std::string diceText_;
};

// A roller for new rolls of the given pool, with no window behind it.
struct QuietRoller {
    explicit QuietRoller(std::int64_t dice) : view(std::to_string(dice)) {}
    SilentView view;
    Pcg32Random random{2026};
    SystemClock clock;
    ImmediateYield yield;
    Roller roller{view, random, clock, yield};
};

}  // namespace corvane
