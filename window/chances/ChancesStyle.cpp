#include "window/chances/ChancesStyle.h"

#include <array>

namespace corvane {

// Blue, orange and bluish green from the Okabe-Ito palette: distinct for every
// common kind of colour blindness, and mid-toned, so they stand on a light
// window and on a dark one.
SeriesStyle StyleOf(RollType kind) {
    static const std::array<SeriesStyle, 3> kStyles{{
        {QColor(0x00, 0x72, 0xB2), Qt::NoBrush, Qt::SolidLine},
        {QColor(0xE6, 0x9F, 0x00), Qt::BDiagPattern, Qt::DashLine},
        {QColor(0x00, 0x9E, 0x73), Qt::DiagCrossPattern, Qt::DotLine},
    }};
    return kStyles.at(static_cast<std::size_t>(kind));
}

}  // namespace corvane
