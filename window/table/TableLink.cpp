#include "window/table/TableLink.h"

#include <QStringList>

namespace corvane {
TableLink::TableLink(QObject* parent) : QObject(parent) {
    slow_.setSingleShot(true);
    slow_.setInterval(kSlowRoundMs);
    connect(&slow_, &QTimer::timeout, this, &TableLink::CheckSlowRound);
}

std::optional<std::size_t> TableLink::MySeat() const {
    if (!me_) return std::nullopt;
    return state_.SeatOf(me_->Key());
}

bool TableLink::Seated() const {
    const auto seat = MySeat();
    return !closed_ && seat && state_.Seats()[*seat].present;
}

bool TableLink::Connected(std::size_t seat) const {
    return !closed_ && seat < state_.Seats().size() && state_.Seats()[seat].present;
}

QString TableLink::NameOf(std::size_t seat) const {
    return QString::fromStdString(state_.Seats()[seat].name);
}

bool TableLink::Ask(table::RequestBody request) {
    const auto& rounds = state_.Rounds();
    if (!Seated() || !Connected(*MySeat()) || inFlight_ > 0 ||
        (!rounds.empty() && rounds.back().status == table::RoundStatus::Open)) {
        return false;
    }
    request.round = static_cast<std::uint32_t>(rounds.size() + 1);
    if (request.roll != table::RollKind::NewRoll) {
        request.earlier = state_.Seats()[*MySeat()].latestPool;
    }
    Send(me_->Request(request, state_.Head()));
    return true;
}

void TableLink::Send(const table::Bytes& message) {
    if (!Hosting()) ++inFlight_;
    lastSent_ = message;
    Submit(message);
}

void TableLink::Refused() {
    if (inFlight_ == 0) return;
    --inFlight_;
    me_->Withdraw();
    RevealIfDue();
}

void TableLink::RevealIfDue() {
    // A message of ours on its way may still be refused and taken back, which
    // changes the secret this program is held to: reveal once it has landed.
    if (inFlight_ > 0 || !revealDue_) return;
    const std::uint32_t number = *revealDue_;
    revealDue_.reset();
    const table::Round& round = state_.Rounds()[number - 1];
    const auto mine = MySeat();
    if (round.status != table::RoundStatus::Open || !mine) return;
    for (const table::Participant& p : round.participants) {
        if (p.seat != *mine || p.revealed) continue;
        if (round.requester != *mine) me_->NoteRound(number);
        Send(me_->Reveal(number, state_.Head()));
        break;
    }
}

void TableLink::Entered(const table::Entry& entry) {
    const table::Decoded decoded = table::DecodeMessage(entry.message);
    const table::Message& message = *decoded.message;
    const std::size_t sender = *state_.SeatOf(message.header.sender);
    if (sender == MySeat() && inFlight_ > 0) --inFlight_;
    switch (message.header.kind) {
        case table::Kind::Join:
            if (!live_ && sender == MySeat()) live_ = true;
            // Whoever joins knows it; the others hear of it.
            if (live_ && sender != MySeat())
                emit news(tr("%1 joined the table.").arg(NameOf(sender)));
            emit membersChanged();
            break;
        case table::Kind::Leave:
            if (live_) emit news(tr("%1 left the table.").arg(NameOf(sender)));
            emit membersChanged();
            break;
        case table::Kind::Remove: {
            const auto& removed = std::get<table::RemoveBody>(message.body).member;
            if (live_) emit news(tr("%1 left the table.").arg(NameOf(*state_.SeatOf(removed))));
            emit membersChanged();
            break;
        }
        case table::Kind::Request:
            slow_.start();
            revealDue_ = state_.Rounds().back().number;
            break;
        case table::Kind::Reveal:
        case table::Kind::Abandon:
        case table::Kind::Unseal: {
            // A sealed round closes twice: sealed when the last secret is in,
            // done when the host unseals it.
            const std::uint32_t number = std::visit(
                [](const auto& body) -> std::uint32_t {
                    if constexpr (requires { body.round; }) return body.round;
                    return 0;
                },
                message.body);
            const table::Round& round = state_.Rounds()[number - 1];
            if (round.status == table::RoundStatus::Open) break;
            slow_.stop();
            emit roundClosed(round.number);
            break;
        }
        default:
            break;
    }
    RevealIfDue();
}

void TableLink::CheckSlowRound() {
    const auto& rounds = state_.Rounds();
    if (closed_ || rounds.empty() || rounds.back().status != table::RoundStatus::Open) return;
    QStringList waiting;
    for (const table::Participant& p : rounds.back().participants) {
        if (!p.revealed) waiting << NameOf(p.seat);
    }
    emit roundWaiting(waiting);
}

void TableLink::Close(const QString& why) {
    if (closed_) return;
    closed_ = true;
    slow_.stop();
    emit membersChanged();
    emit closed(why);
}

}  // namespace corvane
