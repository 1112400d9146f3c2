#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace corvane {

// Runs a refresh at most once per interval: at once when asked for after a
// quiet spell, otherwise once when the interval is up, however many requests
// came in between. A player rolling fast then waits for the dice, not for a
// side window redrawing each roll.
class RefreshThrottle final : public QObject {
    Q_OBJECT
public:
    // Five refreshes a second keep a side window current to the eye.
    static constexpr int kIntervalMs = 200;

    explicit RefreshThrottle(std::function<void()> refresh, QObject* parent = nullptr,
                             int intervalMs = kIntervalMs);

    void Request();
    // Refreshes now, whatever is waiting, and starts a new interval.
    void RefreshNow();

private:
    std::function<void()> refresh_;
    int intervalMs_;
    QTimer timer_;
    QElapsedTimer sinceRefresh_;
};

}  // namespace corvane
