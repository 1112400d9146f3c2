#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace corvane {

class Announcer;

// A window's status line: what a command did, shown there and said to screen
// readers once. Each window with a status line has one; whoever has news for
// the window the player is in finds it there.
class StatusLine final : public QObject {
    Q_OBJECT
public:
    // Belongs to the window `label` sits in.
    StatusLine(QLabel& label, Announcer& announcer);

    void Tell(const QString& text);

    // The status line of `window`; null where the window has none.
    static StatusLine* Of(const QWidget* window);

private:
    QLabel& label_;
    Announcer& announcer_;
};

}  // namespace corvane
