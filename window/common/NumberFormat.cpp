#include "window/common/NumberFormat.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::NumberFormat)
};

// Decimals follow the language of the words around them, not the desktop's
// number settings: the translation names its locale.
QLocale GroupingLocale() {
    //: The locale whose numbers the program writes, such as de_DE.
    QLocale locale(Words::tr("C"));
    // English is the C locale, which leaves out the grouping unless told.
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale;
}

QLocale NumberLocale() {
    QLocale locale = GroupingLocale();
    // Counts elsewhere in the window have no grouping either.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

QString DecimalText(double value, int places) {
    return NumberLocale().toString(value, 'f', places);
}

QString PercentLabel(double percent, int places) {
    return Words::tr("%1%").arg(DecimalText(percent, places));
}

QString PercentText(double chance, int places) {
    if (chance <= 0.0) return PercentLabel(0.0, places);
    if (chance >= 1.0) return PercentLabel(100.0, places);
    // Rounding would turn these into 0% and 100%, which they are not.
    const double least = 1.0 / (100.0 * std::pow(10.0, places));
    // A no-break space keeps the bound with its number when a line wraps.
    if (chance < least) return QStringLiteral("<\u00A0") + PercentLabel(least * 100.0, places);
    if (chance > 1.0 - least) {
        return QStringLiteral(">\u00A0") + PercentLabel(100.0 - least * 100.0, places);
    }
    return PercentLabel(chance * 100.0, places);
}

QString GroupedCount(std::int64_t count) {
    return GroupingLocale().toString(static_cast<qlonglong>(count));
}

QString GroupedDecimal(double value, int places) {
    return GroupingLocale().toString(value, 'f', places);
}

QString SignificantText(double value, int digits) { return QString::number(value, 'g', digits); }

}  // namespace corvane
