#pragma once

#include <string>

#include "runtime/Int16.h"

namespace corvane {

// What the Chances window reads of the dice window besides the last roll: the
// two fields as typed, and the selected row of the results list.
class ChancesSource {
public:
    virtual ~ChancesSource() = default;
    virtual std::string DiceText() = 0;
    virtual std::string TargetText() = 0;
    // Counted from 0; -1 when no row is selected.
    virtual Int16 MarkedRow() = 0;
};

}  // namespace corvane
