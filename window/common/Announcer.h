#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace corvane {

// The one voice the program speaks to screen readers with: each message is
// announced once, in the user's language, wherever the keyboard focus is.
// Every window's messages (outcomes, refusals, what a command did) go
// through the one announcer the dice window owns.
class Announcer final : public QObject {
    Q_OBJECT
public:
    // Speaks from inside `window`, through a widget there that shows nothing.
    // Without a window the messages are only signalled.
    explicit Announcer(QWidget* window = nullptr);

    void Announce(const QString& text);

signals:
    // Each message as it is announced.
    void announced(const QString& text);

private:
    QWidget* voice_ = nullptr;
};

}  // namespace corvane
