#include "window/table/TableText.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QLocale>
#include <QNetworkInterface>

#include "window/common/CountText.h"
#include "window/table/TableHost.h"

namespace corvane {
namespace {

QString Text(const char* text) { return QCoreApplication::translate("corvane::Table", text); }

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
        return Text(QT_TRANSLATE_NOOP("corvane::Table", "The table has closed."));
    }
    if (const auto* host = qobject_cast<const TableHost*>(&link)) {
        //: %1 is the port, %2 this machine's addresses, %3 the join code.
        return Text(QT_TRANSLATE_NOOP("corvane::Table",
                                      "You host on port %1. Players join at %2 with the code: %3"))
            .arg(host->Port())
            .arg(QLocale().createSeparatedList(Addresses()), host->Code());
    }
    if (link.State().Seats().empty()) {
        return Text(QT_TRANSLATE_NOOP("corvane::Table", "Joining the table..."));
    }
    return Text(QT_TRANSLATE_NOOP("corvane::Table", "At %1's table.")).arg(Name(link, 0));
}

QString MemberText(const TableLink& link, std::size_t seat) {
    QStringList marks;
    if (seat == 0) marks << Text(QT_TRANSLATE_NOOP("corvane::Table", "host"));
    if (link.Me().Key() == link.State().Seats()[seat].key) {
        marks << Text(QT_TRANSLATE_NOOP("corvane::Table", "you"));
    }
    if (!link.State().Seats()[seat].present) {
        marks << Text(QT_TRANSLATE_NOOP("corvane::Table", "left"));
    } else if (link.Connected(seat)) {
        marks << Text(QT_TRANSLATE_NOOP("corvane::Table", "connected"));
    } else if (link.Hosting()) {
        marks << Text(QT_TRANSLATE_NOOP("corvane::Table", "away"));
    }
    //: A member of the table: %1 is the name, %2 "host, you, connected".
    return Text(QT_TRANSLATE_NOOP("corvane::Table", "%1 (%2)"))
        .arg(Name(link, seat), marks.join(QStringLiteral(", ")));
}

std::optional<std::pair<QString, quint16>> HostAndPort(const QString& typed) {
    const QString text = typed.trimmed();
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
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
    return Text(QT_TRANSLATE_NOOP("corvane::Table", "%1: %2, high roll %3."))
        .arg(QString::fromStdString(record.Player), SuccessCount(state.Successes.Value()))
        .arg(state.HighRoll.Value());
}

QString AbandonedText(const table::Round& round, const TableLink& link) {
    QStringList silent;
    for (const table::Participant& p : round.participants) {
        if (!p.revealed) silent << Name(link, p.seat);
    }
    //: %1 is the round's number, %2 the members who did not answer in time.
    return Text(QT_TRANSLATE_NOOP("corvane::Table",
                                  "Round %1 was given up: %2 did not answer. Nothing changed."))
        .arg(round.number)
        .arg(QLocale().createSeparatedList(silent));
}

QString WaitingText(const QStringList& names) {
    return Text(QT_TRANSLATE_NOOP("corvane::Table", "Waiting for %1..."))
        .arg(QLocale().createSeparatedList(names));
}

}  // namespace corvane
