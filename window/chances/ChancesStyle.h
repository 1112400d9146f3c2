#pragma once

#include <QColor>

#include "window/chances/ChancesData.h"

namespace corvane {

// How one series of the chances chart looks: its colour, the hatching over
// its bars and the style of its lines. No two series differ by colour alone.
struct SeriesStyle {
    QColor fill;
    Qt::BrushStyle hatch;
    Qt::PenStyle line;
};

SeriesStyle StyleOf(RollType kind);

}  // namespace corvane
