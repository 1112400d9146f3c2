#include "window/common/NumberFormat.h"

#include <QCoreApplication>
#include <QLocale>

namespace corvane {
namespace {

// Decimals follow the language of the words around them, not the desktop's
// number settings: the translation names its locale.
QLocale NumberLocale() {
    //: The locale whose numbers the program writes, such as de_DE.
    QLocale locale(QCoreApplication::translate("corvane::NumberFormat", "C"));
    // Counts elsewhere in the window have no grouping either.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString Percent(double percent) { return PercentLabel(percent, 1); }

}  // namespace

QString DecimalText(double value, int places) {
    return NumberLocale().toString(value, 'f', places);
}

QString PercentLabel(double percent, int places) {
    return QCoreApplication::translate("corvane::NumberFormat", "%1%")
        .arg(DecimalText(percent, places));
}

QString PercentText(double chance) {
    if (chance <= 0.0) return Percent(0.0);
    if (chance >= 1.0) return Percent(100.0);
    // Rounding would turn these into 0.0% and 100.0%, which they are not.
    if (chance < 0.001) return QStringLiteral("< ") + Percent(0.1);
    if (chance > 0.999) return QStringLiteral("> ") + Percent(99.9);
    return Percent(chance * 100.0);
}

}  // namespace corvane
