#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <vector>

namespace corvane {

class ChancesData;
class ChancesGeometry;

// Where each text of the chances chart goes, in every language and at every
// size, so that none lies on another, on a line through the plot, or past the
// chart's edges: the legend, the chance axis and its title, the count labels
// (as many as have room, each stretch of a broken axis labelled), the axis
// title, each series' expected successes beside its mark, and "Rolled" over
// the rolled count, moved aside from the expected-successes lines. A text
// with too little room is cut short with "...".
class ChancesLabels {
public:
    struct Label {
        // Just the text's extent, and how it is drawn in it.
        QRect box;
        QString text;
        int flags;
    };

    ChancesLabels(const ChancesGeometry& geometry, const QFontMetrics& metrics,
                  const ChancesData& data);

    // One for each series, in the order of the data's series.
    const std::vector<Label>& Legend() const { return legend_; }
    const std::vector<Label>& ChanceTicks() const { return chanceTicks_; }
    // Reads upwards: its box is the area the turned text takes.
    const Label& ChanceTitle() const { return chanceTitle_; }
    const std::vector<Label>& CountTicks() const { return countTicks_; }
    // The count each of CountTicks() labels.
    const std::vector<int>& TickedCounts() const { return tickedCounts_; }
    const Label& CountTitle() const { return countTitle_; }
    // One for each series.
    const std::vector<Label>& Expected() const { return expected_; }
    const Label& Rolled() const { return rolled_; }
    // Where each series' expected-successes line runs through the plot.
    const std::vector<int>& ExpectedLines() const { return expectedLines_; }

    // Every label above.
    std::vector<Label> All() const;

private:
    void PlaceCountTicks(const ChancesGeometry& geometry, const QFontMetrics& metrics,
                         const ChancesData& data);
    void PlaceExpected(const ChancesGeometry& geometry, const QFontMetrics& metrics,
                       const ChancesData& data);
    void PlaceRolled(const ChancesGeometry& geometry, const QFontMetrics& metrics,
                     const ChancesData& data);

    std::vector<Label> legend_;
    std::vector<Label> chanceTicks_;
    Label chanceTitle_;
    std::vector<Label> countTicks_;
    std::vector<int> tickedCounts_;
    Label countTitle_;
    std::vector<Label> expected_;
    Label rolled_;
    std::vector<int> expectedLines_;
};

}  // namespace corvane
