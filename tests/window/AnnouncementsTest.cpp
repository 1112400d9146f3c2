#include <QSignalSpy>
#include <QtTest>

#include "ScreenReader.h"
#include "ShippedLanguages.h"
#include "WindowRig.h"
#include "engine/Limits.h"
#include "window/Translations.h"
#include "window/chances/ChancesChart.h"
#include "window/chances/ChancesWindow.h"
#include "window/common/NumberFormat.h"

namespace corvane {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::Said;
using testing_support::WindowRig;

class AnnouncementsTest : public QObject {
    Q_OBJECT
private slots:
    void eachOutcomeIsSaidOnceInTheLanguage_data();
    void eachOutcomeIsSaidOnceInTheLanguage();
    void refusalsErrorsAndCopiesAreSaidAsTheStatusLineShows_data();
    void refusalsErrorsAndCopiesAreSaidAsTheStatusLineShows();
    void theChartSaysItsEnds();
};

void AnnouncementsTest::eachOutcomeIsSaidOnceInTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dice");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<QString>("reroll");  // the button after the roll, if any
    QTest::addColumn<int>("markedRow");
    QTest::addColumn<QString>("said");

    // The example pool is 9 5 4 3 1 at target 4; every die rolled again is a 2.
    const std::vector<float> example = ExamplePoolDraws();
    const std::vector<float> oneSuccess = {Face(5), Face(1)};
    const std::vector<float> botch = {Face(1)};
    const struct {
        const char* locale;
        QStringList said;  // new roll, one success, botch, failures, last die
    } languages[] = {
        {"C",
         {"3 successes. High roll 9, total 22.", "1 success. High roll 5, total 6.",
          "0 successes, botch. High roll 1, total 3.",
          "Rerolled dice 4 to 5: 3 successes. High roll 9, total 22.",
          "Rerolled die 5: 3 successes. High roll 9, total 23."}},
        {"de_DE",
         {"3 Erfolge. Höchster Wurf 9, Summe 22.", "1 Erfolg. Höchster Wurf 5, Summe 6.",
          "0 Erfolge, Patzer. Höchster Wurf 1, Summe 3.",
          "Würfel 4 bis 5 neu gewürfelt: 3 Erfolge. Höchster Wurf 9, Summe 22.",
          "Würfel 5 neu gewürfelt: 3 Erfolge. Höchster Wurf 9, Summe 23."}},
        {"fr_FR",
         {"3 succès. Meilleur dé 9, total 22.", "1 succès. Meilleur dé 5, total 6.",
          "0 succès, fumble. Meilleur dé 1, total 3.",
          "Dés 4 à 5 relancés\u00A0: 3 succès. Meilleur dé 9, total 22.",
          "Dé 5 relancé\u00A0: 3 succès. Meilleur dé 9, total 23."}},
    };
    for (const auto& language : languages) {
        const char* locale = language.locale;
        const QStringList& said = language.said;
        QTest::addRow("%s, new roll", locale) << locale << "5" << example << "" << -1 << said[0];
        QTest::addRow("%s, one success", locale)
            << locale << "2" << oneSuccess << "" << -1 << said[1];
        QTest::addRow("%s, botch", locale) << locale << "3" << botch << "" << -1 << said[2];
        QTest::addRow("%s, failures", locale)
            << locale << "5" << example << "Command1" << -1 << said[3];
        QTest::addRow("%s, last die", locale)
            << locale << "5" << example << "Command2" << 4 << said[4];
    }
}

void AnnouncementsTest::eachOutcomeIsSaidOnceInTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, dice);
    QFETCH(std::vector<float>, draws);
    QFETCH(QString, reroll);
    QFETCH(int, markedRow);
    QFETCH(QString, said);
    const Translations translations{QLocale(locale)};
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(dice, QStringLiteral("4"), draws);
    QSignalSpy announced(&rig.window.Announcements(), &Announcer::announced);
    if (!reroll.isEmpty()) {
        rig.SelectRow(markedRow);
        rig.random.Script({Face(2)});
        rig.window.findChild<QPushButton*>(reroll)->click();
    } else {
        rig.Roll(dice, QStringLiteral("4"), draws);
    }
    QCOMPARE(Said(announced), QStringList{said});
}

void AnnouncementsTest::refusalsErrorsAndCopiesAreSaidAsTheStatusLineShows_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("refusals");  // no failures, no marker, then "Roll copied."
    const QHash<QString, QStringList> written = {
        {"C", {"No failures to reroll.", "No marker specified.", "Roll copied."}},
        {"de", {"Keine Fehlschläge zum Neuwürfeln.", "Kein Würfel markiert.", "Wurf kopiert."}},
        {"fr", {"Aucun échec à relancer.", "Aucun dé marqué.", "Jet copié."}},
        {"es", {"No hay fallos que repetir.", "No hay ningún dado marcado.", "Tirada copiada."}},
        {"pt_BR",
         {"Não há falhas para rolar de novo.", "Nenhum dado marcado.", "Rolagem copiada."}},
        {"it", {"Nessun fallimento da ritirare.", "Nessun dado segnato.", "Tiro copiato."}},
    };
    // Every language the program ships; a language new to the list is heard as
    // shown before its texts are written out here.
    for (const char* locale : testing_support::kLanguages) {
        QTest::newRow(locale) << locale << written.value(QString::fromLatin1(locale));
    }
}

// Whatever the status line is given, screen readers hear once, as it reads.
void AnnouncementsTest::refusalsErrorsAndCopiesAreSaidAsTheStatusLineShows() {
    QFETCH(QString, locale);
    QFETCH(QStringList, refusals);
    const Translations translations{QLocale(locale)};
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("5"), QStringLiteral("0"), ExamplePoolDraws());  // all succeed
    QSignalSpy announced(&rig.window.Announcements(), &Announcer::announced);
    QStringList shown;
    const auto show = [&] { shown << rig.ui.lblStatus->text(); };
    rig.ui.Command1->click();
    show();
    rig.ui.Command2->click();
    show();
    rig.window.Commands().CopyRoll();
    show();
    rig.Roll(QStringLiteral("40000"), QStringLiteral("4"), {Face(1)});  // past the limit
    show();
    QCOMPARE(Said(announced), shown);
    if (!refusals.isEmpty()) QCOMPARE(shown.mid(0, 3), refusals);
    // The most dice a roll can hold, as the language writes the number.
    QVERIFY2(shown[3].contains(GroupedCount(kMostDice.Value())), qPrintable(shown[3]));
}

// A key that would go past an end says so; one that moves says nothing (the
// column itself is what screen readers read then).
void AnnouncementsTest::theChartSaysItsEnds() {
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    rig.window.Side().ShowChances();
    ChancesChart* chart = rig.window.Side().Chances()->Chart();
    QSignalSpy announced(&rig.window.Announcements(), &Announcer::announced);
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Home, Qt::Key_PageUp, Qt::Key_End,
                              Qt::Key_Right, Qt::Key_PageDown}) {
        QTest::keyClick(chart, key);
    }
    QCOMPARE(Said(announced),
             (QStringList{"First column.", "First column.", "Last column.", "Last column."}));
}

}  // namespace corvane

QTEST_MAIN(corvane::AnnouncementsTest)
#include "AnnouncementsTest.moc"
