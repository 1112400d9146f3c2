#include "window/table/TableText.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QLocale>
#include <QNetworkInterface>

#include "window/common/CountText.h"
#include "window/table/TableHost.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::TableText)
};

QString Name(const TableLink& link, std::size_t seat) {
    return QString::fromStdString(link.State().Seats()[seat].name);
}

QStringList Addresses() {
    QStringList addresses;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
            addresses << address.toString();
        }
    }
    if (addresses.isEmpty()) addresses << QHostAddress(QHostAddress::LocalHost).toString();
    return addresses;
}

}  // namespace

QString WhereText(const TableLink& link) {
    if (!link.Seated() && !link.State().Seats().empty() && !link.Connected(0)) {
        return Words::tr("The table has closed.");
    }
    if (const auto* host = qobject_cast<const TableHost*>(&link)) {
        //: %1 is the port, %2 this machine's addresses, %3 the join code.
        return Words::tr("You host on port %1. Players join at %2 with the code: %3")
            .arg(host->Port())
            .arg(QLocale().createSeparatedList(Addresses()), host->Code());
    }
    if (link.State().Seats().empty()) return Words::tr("Joining the table...");
    return Words::tr("At %1's table.").arg(Name(link, 0));
}

QString MemberText(const TableLink& link, std::size_t seat) {
    QStringList marks;
    if (seat == 0) marks << Words::tr("host");
    if (link.Me().Key() == link.State().Seats()[seat].key) marks << Words::tr("you");
    if (!link.State().Seats()[seat].present) {
        marks << Words::tr("left");
    } else if (link.Connected(seat)) {
        marks << Words::tr("connected");
    } else if (link.Hosting()) {
        marks << Words::tr("away");
    }
    //: A member of the table: %1 is the name, %2 "host, you, connected".
    return Words::tr("%1 (%2)").arg(Name(link, seat), marks.join(QStringLiteral(", ")));
}

std::optional<std::pair<QString, quint16>> HostAndPort(const QString& typed) {
    const QString text = typed.trimmed();
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon == 0) return std::nullopt;
    bool number = false;
    const uint port = colon > 0 ? text.mid(colon + 1).toUInt(&number) : TableHost::kDefaultPort;
    if (colon > 0 && (!number || port == 0 || port > 65535)) return std::nullopt;
    QString host = colon > 0 ? text.left(colon) : text;
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) {
        host = host.mid(1, host.size() - 2);
    }
    if (host.isEmpty() || host.contains(QLatin1Char(' '))) return std::nullopt;
    return std::pair(host, static_cast<quint16>(port));
}

QString OthersRollText(const RollRecord& record) {
    const RollerState& state = record.After;
    //: Another member's roll, heard once: %1 is the name, %2 "3 successes", %3 the highest die.
    return Words::tr("%1: %2, high roll %3.")
        .arg(QString::fromStdString(record.Player), SuccessCount(state.Successes.Value()))
        .arg(state.HighRoll.Value());
}

QString AbandonedText(const table::Round& round, const TableLink& link) {
    QStringList silent;
    for (const table::Participant& p : round.participants) {
        if (!p.revealed) silent << Name(link, p.seat);
    }
    //: %1 is the round's number, %2 the members who did not answer in time; the round changed
    //: nothing.
    return Words::tr("Round %1 given up: %2 did not answer.")
        .arg(round.number)
        .arg(QLocale().createSeparatedList(silent));
}

QString WaitingText(const QStringList& names) {
    return Words::tr("Waiting for %1...").arg(QLocale().createSeparatedList(names));
}

}  // namespace corvane
