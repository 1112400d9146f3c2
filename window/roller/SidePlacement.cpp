#include "window/roller/SidePlacement.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace corvane {
namespace {

// Between the dice window and the one beside it.
constexpr int kGap = 8;

int Area(const QSize& size) { return size.width() * size.height(); }

bool Clear(const QRect& place, const QList<QRect>& open) {
    return std::none_of(open.begin(), open.end(),
                        [&](const QRect& other) { return other.intersects(place); });
}

// The window in `room`, as near the dice window as it goes: level with it,
// or slid along the room past the open windows. `across` says that the room
// lies beside the dice window, so the window slides up and down in it.
QRect PlaceIn(const QRect& room, bool across, bool before, const QRect& dice, const QSize& wanted,
              const QList<QRect>& open) {
    const QSize size = wanted.boundedTo(room.size());
    const int first = across ? room.top() : room.left();
    const int last = (across ? room.bottom() - size.height() : room.right() - size.width()) + 1;
    const int fixed = across ? (before ? room.right() - size.width() + 1 : room.left())
                             : (before ? room.bottom() - size.height() + 1 : room.top());
    const auto at = [&](int along) {
        along = std::clamp(along, first, std::max(first, last));
        return across ? QRect(QPoint(fixed, along), size) : QRect(QPoint(along, fixed), size);
    };
    QList<int> tries = {across ? dice.top() : dice.left()};
    for (const QRect& other : open) {
        tries << (across ? other.bottom() + 1 + kGap : other.right() + 1 + kGap)
              << (across ? other.top() - kGap - size.height() : other.left() - kGap - size.width());
    }
    for (const int along : tries) {
        if (Clear(at(along), open)) return at(along);
    }
    return at(tries.first());
}

// The parts of `room` that keep a gap from every open window, each as large
// as it goes; they may overlap each other.
QList<QRect> FreeParts(const QRect& room, const QList<QRect>& open) {
    QList<QRect> parts{room};
    for (const QRect& other : open) {
        const QRect taken = other.adjusted(-kGap, -kGap, kGap, kGap);
        QList<QRect> left;
        for (const QRect& part : parts) {
            if (!part.intersects(taken)) {
                left << part;
                continue;
            }
            left << QRect(part.topLeft(), QPoint(taken.left() - 1, part.bottom()))
                 << QRect(QPoint(taken.right() + 1, part.top()), part.bottomRight())
                 << QRect(part.topLeft(), QPoint(part.right(), taken.top() - 1))
                 << QRect(QPoint(part.left(), taken.bottom() + 1), part.bottomRight());
        }
        parts.clear();
        for (const QRect& part : left) {
            if (!part.isEmpty()) parts << part;
        }
    }
    return parts;
}

}  // namespace

QRect BesideDiceWindow(const QRect& dice, const QSize& wanted, const QRect& screen,
                       const QList<QRect>& open, const QSize& smallest) {
    const std::array<QRect, 4> rooms = {
        QRect(QPoint(dice.right() + 1 + kGap, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(dice.left() - 1 - kGap, screen.bottom())),
        QRect(QPoint(screen.left(), dice.bottom() + 1 + kGap), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), dice.top() - 1 - kGap)),
    };
    const auto roomy = [&](const QRect& room) {
        return room.width() >= smallest.width() && room.height() >= smallest.height();
    };
    // Clear first, then covering the least of the open windows, then whole;
    // the most room among equals.
    const auto rank = [&](const QRect& place) {
        int covered = 0;
        for (const QRect& other : open) covered += Area((place & other).size());
        return std::tuple(covered == 0, -covered, place.size() == wanted, Area(place.size()));
    };
    std::optional<QRect> best;
    const auto consider = [&](const QRect& place) {
        if (!best || rank(place) > rank(*best)) best = place;
    };
    for (std::size_t side = 0; side < rooms.size(); ++side) {
        const QRect room = rooms[side];
        if (!roomy(room)) continue;
        const bool across = side < 2;
        const bool before = side % 2 == 1;
        for (QRect part : FreeParts(room, open)) {
            // A part too small grows into the room, over as little as it must.
            if (part.width() < smallest.width()) {
                part.setWidth(smallest.width());
                if (part.right() > room.right()) part.moveRight(room.right());
            }
            if (part.height() < smallest.height()) {
                part.setHeight(smallest.height());
                if (part.bottom() > room.bottom()) part.moveBottom(room.bottom());
            }
            consider(PlaceIn(part, across, before, dice, wanted, {}));
        }
        consider(PlaceIn(room, across, before, dice, wanted, open));
    }
    if (best) return *best;
    // A screen with no room beside the dice window: at least stay on it.
    return QRect(screen.topLeft(), wanted.boundedTo(screen.size()));
}

QRect DiceWindowSteppedAside(const QRect& dice, const QSize& wanted, const QRect& screen,
                             const QSize& smallest) {
    const auto room = [&](const QRect& at) {
        return Area(BesideDiceWindow(at, wanted, screen, {}, smallest).size());
    };
    const std::array<QPoint, 4> edges = {
        QPoint(screen.left(), dice.top()),
        QPoint(screen.right() + 1 - dice.width(), dice.top()),
        QPoint(dice.left(), screen.top()),
        QPoint(dice.left(), screen.bottom() + 1 - dice.height()),
    };
    QRect best = dice;
    // A step aside has to be worth it: a quarter more room at least.
    int bestRoom = room(dice) * 5 / 4;
    for (const QPoint& edge : edges) {
        const QRect moved(edge, dice.size());
        if (room(moved) > bestRoom) {
            best = moved;
            bestRoom = room(moved);
        }
    }
    return best;
}

QSize SizeBesideDiceWindow(const QSize& dice, const QSize& wanted, const QRect& screen,
                           const QSize& smallest) {
    const QSize sideBySide =
        wanted.boundedTo(QSize(screen.width() - dice.width() - kGap, screen.height()));
    const QSize stacked =
        wanted.boundedTo(QSize(screen.width(), screen.height() - dice.height() - kGap));
    const QSize roomier = Area(sideBySide) >= Area(stacked) ? sideBySide : stacked;
    return roomier.expandedTo(smallest);
}

}  // namespace corvane
