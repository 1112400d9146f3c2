#include "window/common/RefreshThrottle.h"

namespace corvane {

RefreshThrottle::RefreshThrottle(std::function<void()> refresh, QObject* parent, int intervalMs)
    : QObject(parent), refresh_(std::move(refresh)), intervalMs_(intervalMs) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RefreshThrottle::RefreshNow);
}

void RefreshThrottle::Request() {
    if (timer_.isActive()) return;
    const qint64 waited = sinceRefresh_.isValid() ? sinceRefresh_.elapsed() : intervalMs_;
    if (waited >= intervalMs_) {
        RefreshNow();
    } else {
        timer_.start(static_cast<int>(intervalMs_ - waited));
    }
}

void RefreshThrottle::RefreshNow() {
    timer_.stop();
    sinceRefresh_.start();
    refresh_();
}

}  // namespace corvane
