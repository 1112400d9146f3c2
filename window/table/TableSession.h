#pragma once

#include <QHostAddress>
#include <QObject>
#include <memory>
#include <optional>

#include "window/table/TableLink.h"

namespace corvane {

// The one table this program sits at, if any: it starts hosting or joining,
// and keeps the last table's link after it closes, so that its log and
// transcript can still be saved.
class TableSession final : public QObject {
    Q_OBJECT
public:
    explicit TableSession(QObject* parent = nullptr);
    ~TableSession() override;

    // The table, open or closed; null before the first.
    TableLink* Link() const { return link_.get(); }
    // True while this program holds a seat at an open table.
    bool Seated() const { return link_ && link_->Seated(); }

    // Hosts a table on `port` (0: any free port) of every address of this
    // machine, or of `address` alone; the reason in words when it cannot
    // listen there.
    std::optional<QString> Host(const QString& name, const QString& code, quint16 port,
                                const QHostAddress& address = QHostAddress::Any);
    // Joins the table at host:port; the outcome comes as changed or closed.
    void Join(const QString& name, const QString& code, const QString& host, quint16 port);
    void Leave();

    // The transcript of the last table, as `--verify` reads it; empty before one.
    std::string Transcript() const;
    // Saves the transcript beside a saved roll log, as "<log>-transcript.txt";
    // says so, or why it could not, in a sentence. Nothing away from a table.
    QString SaveTranscriptBeside(const QString& logPath) const;

signals:
    // A table started or closed, or its members changed.
    void changed();
    void news(const QString& text);
    void roundClosed(std::uint32_t round);
    void roundWaiting(const QStringList& names);
    void closed(const QString& why);

private:
    void Adopt(std::unique_ptr<TableLink> link);

    std::unique_ptr<TableLink> link_;
};

// A name or code as the table takes it: trimmed, a name at most 32 bytes.
// Nothing for one it cannot take.
std::optional<std::string> TableName(const QString& typed);
std::optional<std::string> TableCode(const QString& typed);

}  // namespace corvane
