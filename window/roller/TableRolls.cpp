#include "window/roller/TableRolls.h"

#include <QTime>

#include "runtime/Alerts.h"
#include "window/common/Announcer.h"
#include "window/common/EngineText.h"
#include "window/common/StatusLine.h"
#include "window/roller/SideWindows.h"
#include "window/table/TableSession.h"
#include "window/table/TableText.h"

namespace corvane {

TableRolls::TableRolls(const RollerServices& services, TableSession& session, SideWindows& side,
                       ShowRound show)
    : services_(services), session_(session), side_(side), show_(std::move(show)) {
    connect(&session_, &TableSession::roundClosed, this, &TableRolls::RoundClosed);
    connect(&session_, &TableSession::roundWaiting, this, [this](const QStringList& names) {
        const auto& rounds = session_.Link()->State().Rounds();
        if (!rounds.empty() && rounds.back().number == asked_) {
            services_.status.Tell(WaitingText(names));
        }
    });
}

bool TableRolls::AtTable() const { return session_.Seated(); }

void TableRolls::Ask(RollType type, const Roller::Pool* pool) {
    RollerInputs& inputs = services_.inputs;
    TableLink& link = *session_.Link();
    table::RequestBody request;
    request.roll = static_cast<table::RollKind>(type);
    if (pool) {
        request.dice = pool->dice.Value();
        request.target = pool->target.Value();
    } else if (type == RollType::NewRoll) {
        request.dice = DiceCountOf(inputs.DiceText()).Value();
        request.target = FieldNumber(inputs.TargetText()).Value();
    } else if (link.State().Seats()[*link.MySeat()].latestPool == 0) {
        Refuse(tr("Roll at the table before rerolling there."));
        return;
    }
    if (type == RollType::RerollFromMarker) {
        if (inputs.MarkedRow().Value() < 0) {
            Refuse(EngineText(kNoMarkerMessage));
            return;
        }
        request.marker = static_cast<std::int16_t>(inputs.MarkedRow().Value() + 1);
    }
    const auto next = static_cast<std::uint32_t>(link.State().Rounds().size() + 1);
    if (!link.Ask(request)) {
        Refuse(tr("Another roll is on the table: roll again once it is done."));
        return;
    }
    asked_ = next;
}

void TableRolls::Refuse(const QString& text) {
    services_.alerts.Beep();
    services_.status.Tell(text);
}

std::shared_ptr<const RollRecord> TableRolls::Marked(
    std::shared_ptr<const RollRecord> record) const {
    if (!inputs_ || !record) return record;
    auto marked = std::make_shared<RollRecord>(*record);
    marked->Player = session_.Link()->Me().Name();
    marked->TableRound = showing_;
    return marked;
}

void TableRolls::RoundClosed(std::uint32_t number) {
    const TableLink& link = *session_.Link();
    const table::Round& round = link.State().Rounds()[number - 1];
    const bool mine = link.State().Seats()[round.requester].key == link.Me().Key();
    if (round.status == table::RoundStatus::Abandoned) {
        const QString text = AbandonedText(round, link);
        if (mine) {
            services_.status.Tell(text);
        } else if (link.Live()) {
            services_.announcer.Announce(text);
        }
        return;
    }
    if (round.status != table::RoundStatus::Done || !round.result) return;
    const table::RequestBody& request = round.request;
    if (mine) {
        const RollerState* earlier = nullptr;
        if (request.roll != table::RollKind::NewRoll) {
            earlier = &link.State().Rounds()[request.earlier - 1].result->state;
        }
        inputs_ = RoundInputs{std::to_string(round.dice), std::to_string(round.target),
                              earlier ? earlier->DiceCount : Int16(),
                              Int16(static_cast<std::int16_t>(request.marker - 1))};
        showing_ = number;
        show_(static_cast<RollType>(request.roll), earlier, round.seed);
        inputs_.reset();
        return;
    }
    if (!round.result->record || round.result->fault ||
        round.result->outcome != RollOutcome::Completed) {
        return;
    }
    auto record = std::make_shared<RollRecord>(*round.result->record);
    record->Player = link.State().Seats()[round.requester].name;
    record->TableRound = number;
    // The table's dice ignore the time; the log shows when this program saw it.
    record->SecondsSinceMidnight =
        static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
    side_.RollCompleted(record);
    if (link.Live()) services_.announcer.Announce(OthersRollText(*record));
}

}  // namespace corvane
