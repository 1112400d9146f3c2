#include "window/table/TableSession.h"

#include <QDir>
#include <QFileInfo>

#include "table/JoinCode.h"
#include "window/common/AtomicFile.h"
#include "window/table/TableGuest.h"
#include "window/table/TableHost.h"

namespace corvane {

TableSession::TableSession(QObject* parent) : QObject(parent) {}

TableSession::~TableSession() {
    // Said on the way out: the others hear that this program left.
    if (!link_) return;
    link_->disconnect(this);
    link_->Leave();
}

std::optional<QString> TableSession::Host(const QString& name, const QString& code, quint16 port,
                                          const QHostAddress& address) {
    auto host = std::make_unique<TableHost>(name.toStdString(), code);
    if (auto error = host->Listen(port, address)) return error;
    Adopt(std::move(host));
    return std::nullopt;
}

void TableSession::Join(const QString& name, const QString& code, const QString& host,
                        quint16 port) {
    auto guest = std::make_unique<TableGuest>(name.toStdString(), code);
    TableGuest& joining = *guest;
    Adopt(std::move(guest));
    joining.Join(host, port);
}

void TableSession::Adopt(std::unique_ptr<TableLink> link) {
    if (link_) {
        link_->disconnect(this);
        if (link_->Seated()) link_->Leave();
    }
    link_ = std::move(link);
    connect(link_.get(), &TableLink::membersChanged, this, &TableSession::changed);
    connect(link_.get(), &TableLink::news, this, &TableSession::news);
    connect(link_.get(), &TableLink::roundClosed, this, &TableSession::roundClosed);
    connect(link_.get(), &TableLink::roundWaiting, this, &TableSession::roundWaiting);
    connect(link_.get(), &TableLink::closed, this, &TableSession::closed);
    emit changed();
}

void TableSession::Leave() {
    if (link_) link_->Leave();
}

std::string TableSession::Transcript() const {
    if (!link_) return {};
    return table::WriteTranscript(link_->Entries());
}

QString TableSession::SaveTranscriptBeside(const QString& logPath) const {
    if (!link_ || link_->Entries().empty()) return {};
    const QFileInfo log(logPath);
    const QString path =
        log.dir().filePath(log.completeBaseName() + QStringLiteral("-transcript.txt"));
    const std::string text = Transcript();
    const QString shown = QDir::toNativeSeparators(path);
    if (const auto error = AtomicFile().Write(path, QByteArray::fromStdString(text))) {
        return tr("The table's transcript could not be saved to %1: %2.").arg(shown, *error);
    }
    return tr("The table's transcript is in %1.").arg(shown);
}

std::optional<std::string> TableName(const QString& typed) {
    const std::string name = typed.trimmed().toStdString();
    if (name.empty() || name.size() > table::kMaxNameSize) return std::nullopt;
    return name;
}

std::optional<std::string> TableCode(const QString& typed) {
    std::string code = table::NormalJoinCode(typed.toStdString());
    if (code.empty()) return std::nullopt;
    return code;
}

}  // namespace corvane
