#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

#include "engine/RollRecord.h"
#include "window/table/TableLink.h"

namespace corvane {

// Where this program sits: the port, addresses and code it hosts with, or
// whose table it joined.
QString WhereText(const TableLink& link);
// A line of the members list: "Bo (you, connected)".
QString MemberText(const TableLink& link, std::size_t seat);
// "192.168.1.20:47321" as a host and a port; nothing for anything else.
std::optional<std::pair<QString, quint16>> HostAndPort(const QString& typed);

// Another member's roll, for the ear: "Ana: 3 successes, high roll 14."
QString OthersRollText(const RollRecord& record);
QString AbandonedText(const table::Round& round, const TableLink& link);
QString WaitingText(const QStringList& names);

}  // namespace corvane
