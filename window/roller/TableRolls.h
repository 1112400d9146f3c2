#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "table/Crypto.h"
#include "window/roller/RollerServices.h"

namespace corvane {

class SideWindows;
class TableSession;

// The dice window at a table. Its three roll commands ask the table for a
// round; when a round closes, this program's own shows in the dice window as
// a roll of its own would, and every other member's goes to the log and is
// heard once. Away from a table it does nothing.
class TableRolls final : public QObject {
    Q_OBJECT
public:
    // What the dice window's fields and list answer while a round of the
    // table is rolled there: the round's request, not what they show now.
    struct RoundInputs {
        std::string dice;
        std::string target;
        Int16 rows;
        Int16 markedRow;
    };
    // Rolls a closed round of this program's in the dice window: from the
    // pool it rerolls, if any, with the round's dice.
    using ShowRound = std::function<void(RollType, const RollerState* earlier, const table::Hash&)>;

    TableRolls(const RollerServices& services, TableSession& session, SideWindows& side,
               ShowRound show);

    // Whether a roll command goes to the table.
    bool AtTable() const;
    // Asks the table for the roll, or for a new roll of a saved pool; raises
    // what the fields raise in a local roll.
    void Ask(RollType type, const Roller::Pool* pool = nullptr);
    const RoundInputs* Inputs() const { return inputs_ ? &*inputs_ : nullptr; }
    // The dice window's record, marked as the table's round when it is one.
    std::shared_ptr<const RollRecord> Marked(std::shared_ptr<const RollRecord> record) const;

private:
    void RoundClosed(std::uint32_t number);
    void Refuse(const QString& text);

    RollerServices services_;
    TableSession& session_;
    SideWindows& side_;
    ShowRound show_;
    std::optional<RoundInputs> inputs_;
    std::uint32_t showing_ = 0;
    std::uint32_t asked_ = 0;
};

}  // namespace corvane
