#pragma once

class QPainter;
class QPainterPath;
class QPalette;
class QPen;

namespace corvane {

class ChancesData;
class ChancesGeometry;
class ChancesLabels;
class SuccessDistribution;
struct SeriesStyle;

// Draws the chances chart. Each series keeps its own colour, chosen to read on
// light and dark backgrounds and apart for colour-blind players, and its own
// hatching, place in each column and line style, so no series is told apart
// by colour alone. The texts go where ChancesLabels puts them.
class ChancesPainter {
public:
    ChancesPainter(QPainter& painter, const ChancesGeometry& geometry, const ChancesLabels& labels,
                   const ChancesData& data, const QPalette& palette);

    // `current` is the count the keyboard is on; `focused` frames it.
    void Paint(int current, bool focused);

private:
    void PaintCurrent(int current, bool focused);
    void PaintChanceAxis();
    void PaintBars();
    void PaintBarsOf(int series, const SuccessDistribution& chances, const SeriesStyle& style);
    void Fill(const QPainterPath& shape, const SeriesStyle& style, const QPen& outline);
    void PaintCountAxis();
    void PaintBreaks();
    void PaintExpected();
    void PaintRolledMark();
    void PaintLegend();

    QPainter& painter_;
    const ChancesGeometry& geometry_;
    const ChancesLabels& labels_;
    const ChancesData& data_;
    const QPalette& palette_;
};

}  // namespace corvane
