#pragma once

#include <string>

#include "runtime/Int16.h"

namespace corvane {

struct RollRecord;

// What the Chances window reads of the dice window besides its state: the
// two fields as typed, the selected row of the results list, and the last
// roll, whose luck the chart marks.
class ChancesSource {
public:
    virtual ~ChancesSource() = default;
    // Null before the first roll.
    virtual const RollRecord* LastRecord() const = 0;
    virtual std::string DiceText() = 0;
    virtual std::string TargetText() = 0;
    // Counted from 0; -1 when no row is selected.
    virtual Int16 MarkedRow() = 0;
};

}  // namespace corvane
