#include <QClipboard>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QtTest>

#include "DesignedCaptions.h"
#include "ShippedLanguages.h"
#include "WindowRig.h"
#include "window/Translations.h"
#include "window/chances/ChancesWindow.h"
#include "window/log/RollLogModel.h"

namespace corvane {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::WindowRig;

// Each test row installs its language first; the window takes its texts as it is made.
class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void eachLanguageShowsItsCaptions_data();
    void eachLanguageShowsItsCaptions();
    void aRollShowsItsOutcomeInTheLanguage_data();
    void aRollShowsItsOutcomeInTheLanguage();
    void refusalsAndErrorsSpeakTheLanguage_data();
    void refusalsAndErrorsSpeakTheLanguage();
    void theOddsWriteNumbersAsTheLanguageDoes_data();
    void theOddsWriteNumbersAsTheLanguageDoes();
    void copiedLinesAndTheLogSpeakTheLanguage_data();
    void copiedLinesAndTheLogSpeakTheLanguage();
    void aboutBoxSpeaksTheLanguage();
    void qtsOwnTextsFollowTheProgramsLanguage_data();
    void qtsOwnTextsFollowTheProgramsLanguage();
};

void TranslationsTest::eachLanguageShowsItsCaptions_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");      // the catalogue's: English's plurals at least
    QTest::addColumn<QStringList>("captions");  // the three buttons, then the three prompts

    const QStringList& english = testing_support::kDesignedCaptions;
    const QStringList german = {"&Würfeln",
                                "&Fehlschläge\nneu würfeln",
                                "Ab &Markierung\nneu würfeln",
                                "Würfelpool",
                                "Mindestwurf",
                                "Erfolge"};
    QTest::newRow("C") << "C"
                       << "en_US" << english;
    QTest::newRow("en_US") << "en_US"
                           << "en_US" << english;
    QTest::newRow("de_DE") << "de_DE"
                           << "de_DE" << german;
    QTest::newRow("de_AT") << "de_AT"
                           << "de_DE" << german;
    QTest::newRow("fr_FR")
        << "fr_FR"
        << "fr_FR"
        << QStringList{"&Lancer",       "&Relancer\nles échecs", "Relancer dès\nle &marqueur",
                       "Nombre de dés", "Seuil de réussite",     "Succès"};
    const QStringList spanish = {"&Tirar",  "Repetir\n&fallos", "Repetir desde\nel &marcador",
                                 "Reserva", "Dificultad",       "Éxitos"};
    QTest::newRow("es_ES") << "es_ES"
                           << "es_ES" << spanish;
    const QStringList portuguese = {
        "&Rolar",  "Rolar &falhas\nde novo", "Rolar de novo\ndo &marcador", "Parada", "Dificuldade",
        "Sucessos"};
    QTest::newRow("pt_BR") << "pt_BR"
                           << "pt_BR" << portuguese;
    const QStringList italian = {"&Tira",
                                 "Ritira i\n&fallimenti",
                                 "Ritira dal\n&segno in giù",
                                 "Riserva di dadi",
                                 "Difficoltà",
                                 "Successi"};
    QTest::newRow("it_IT") << "it_IT"
                           << "it_IT" << italian;
    QTest::newRow("nl_NL, untranslated") << "nl_NL"
                                         << "en_US" << english;
}

void TranslationsTest::eachLanguageShowsItsCaptions() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QStringList, captions);
    const Translations translations{QLocale(locale)};
    QCOMPARE(translations.Language(), language);
    WindowRig rig;
    const QStringList shown = {rig.ui.btnRoll->text(),      rig.ui.Command1->text(),
                               rig.ui.Command2->text(),     rig.ui.lblPrompt[0]->text(),
                               rig.ui.lblPrompt[1]->text(), rig.ui.lblPrompt[2]->text()};
    QCOMPARE(shown, captions);
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("Corvane Dice"));
    // Screen readers name each field by its prompt, in the same language.
    QCOMPARE(rig.ui.txtInput[0]->accessibleName(), captions[3]);
    QCOMPARE(rig.ui.txtInput[1]->accessibleName(), captions[4]);
}

void TranslationsTest::aRollShowsItsOutcomeInTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dice");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<QString>("successes");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("highAndTotal");
    QTest::addColumn<QString>("status");

    const std::vector<float> one = {Face(5), Face(1)};  // 5 1 at target 4: one success
    const std::vector<float> botch = {Face(1)};
    const std::vector<float> example = ExamplePoolDraws();  // 9 5 4 3 1: three
    // English keeps its one plural, as the window always has.
    QTest::newRow("C, one") << "C"
                            << "2" << one << "1"
                            << "Successes: 1"
                            << "High roll: 5, Total roll: 6"
                            << "1 successes.";
    QTest::newRow("de, one") << "de_DE"
                             << "2" << one << "1"
                             << "Erfolge: 1"
                             << "Höchster: 5, Summe: 6"
                             << "1 Erfolg.";
    QTest::newRow("de, three") << "de_DE"
                               << "5" << example << "3"
                               << "Erfolge: 3"
                               << "Höchster: 9, Summe: 22"
                               << "3 Erfolge.";
    QTest::newRow("de, botch") << "de_DE"
                               << "3" << botch << "0 (Patzer)"
                               << "Erfolge: 0 (Patzer)"
                               << "Höchster: 1, Summe: 3"
                               << "0 Erfolge.";
    QTest::newRow("fr, one") << "fr_FR"
                             << "2" << one << "1"
                             << "Succès\u00A0: 1"
                             << "Meilleur dé\u00A0: 5, total\u00A0: 6"
                             << "1 succès.";
    QTest::newRow("fr, botch") << "fr_FR"
                               << "3" << botch << "0 (fumble)"
                               << "Succès\u00A0: 0 (fumble)"
                               << "Meilleur dé\u00A0: 1, total\u00A0: 3"
                               << "0 succès.";
}

void TranslationsTest::aRollShowsItsOutcomeInTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, dice);
    QFETCH(std::vector<float>, draws);
    QFETCH(QString, successes);
    QFETCH(QString, accessibleName);
    QFETCH(QString, highAndTotal);
    QFETCH(QString, status);
    const Translations translations{QLocale(locale)};
    WindowRig rig;
    rig.Roll(dice, QStringLiteral("4"), draws);
    QCOMPARE(rig.ui.lblResult[0]->text(), successes);
    QCOMPARE(rig.ui.lblResult[0]->accessibleName(), accessibleName);
    QCOMPARE(rig.ui.lblResult[1]->text(), highAndTotal);
    QCOMPARE(rig.ui.lblStatus->text(), status);
}

void TranslationsTest::refusalsAndErrorsSpeakTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    // No failures, no marker, the dice field, the target field, a total past
    // the limit this time, a pool too large.
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("C") << "C"
                       << QStringList{"No failures to reroll.",
                                      "No marker specified.",
                                      "Dice to Roll: type a number from 1 to 32,766.",
                                      "Target Number: type from -32,768 to 32,767.",
                                      "The total passed 32,767 this time: roll at most 7,600.",
                                      "The dice add up past 32,767: roll at most 7,600."};
    QTest::newRow("de") << "de_DE"
                        << QStringList{"Keine Fehlschläge zum Neuwürfeln.",
                                       "Kein Würfel markiert.",
                                       "Würfelpool: eine Zahl von 1 bis 32.766 eingeben.",
                                       "Mindestwurf: von -32.768 bis 32.767 eingeben.",
                                       "Diesmal über 32.767: höchstens 7.600 würfeln.",
                                       "Summe über 32.767: mit höchstens 7.600 würfeln."};
    QTest::newRow("fr") << "fr_FR"
                        << QStringList{
                               "Aucun échec à relancer.",
                               "Aucun dé marqué.",
                               "Nombre de dés\u00A0: saisissez de 1 à 32\u202F766.",
                               "Seuil de réussite\u00A0: de -32\u202F768 à 32\u202F767.",
                               "Somme > 32\u202F767 cette fois\u00A0: max. 7\u202F600 dés.",
                               "Somme au-delà de 32\u202F767\u00A0: au plus 7\u202F600 dés."};
}

// The refusals come from the engine in English and are translated where they
// are shown. (That they fit the status line is the layout test's.)
void TranslationsTest::refusalsAndErrorsSpeakTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QStringList, messages);
    const Translations translations{QLocale(locale)};
    WindowRig rig;
    QLabel* status = rig.ui.lblStatus;
    QStringList shown;
    rig.Roll(QStringLiteral("5"), QStringLiteral("0"), ExamplePoolDraws());  // all succeed
    rig.ui.Command1->click();
    shown << status->text();
    rig.ui.Command2->click();
    shown << status->text();
    rig.Roll(QStringLiteral("40000"), QStringLiteral("4"), {Face(1)});
    shown << status->text();
    rig.Roll(QStringLiteral("3"), QStringLiteral("-40000"), {Face(1)});
    shown << status->text();
    rig.Roll(QStringLiteral("6554"), QStringLiteral("4"), {Face(5)});  // 32770
    shown << status->text();
    rig.Roll(QStringLiteral("9000"), QStringLiteral("4"), {Face(5)});
    shown << status->text();
    QCOMPARE(shown, messages);
}

void TranslationsTest::theOddsWriteNumbersAsTheLanguageDoes_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("odds");      // target, successes, failures, marker
    QTest::addColumn<QString>("chartExpects");  // the chances chart's new-roll mean

    QTest::newRow("C")
        << "C"
        << QStringList{"Each die succeeds 50.0% of the time at target 4.",
                       "Chance of at least 3 successes with 5 dice at target 4: "
                       "50.0%.\nChance of a botch: <\u00A00.1%.",
                       "Rerolling 2 failures:\n4.0 successes expected (now 3);\n75.0% "
                       "chance to gain at least one.",
                       "Rerolling the selected die and 2 below it:\n3.5 successes expected "
                       "(now 3);\n50.0% chance to gain at least one."}
        << "2.5 expected";
    QTest::newRow("de") << "de_DE"
                        << QStringList{
                               "Jeder Würfel hat bei Mindestwurf 4 eine Erfolgschance von "
                               "50,0\u00A0%.",
                               "Chance auf mindestens 3 Erfolge mit 5 Würfeln bei Mindestwurf 4: "
                               "50,0\u00A0%.\nChance auf einen Patzer: <\u00A00,1\u00A0%.",
                               "2 Fehlschläge neu würfeln:\n4,0 Erfolge erwartet (jetzt 3);\n"
                               "75,0\u00A0% Chance, mindestens einen dazuzugewinnen.",
                               "Den gewählten Würfel und 2 darunter neu würfeln:\n3,5 Erfolge "
                               "erwartet (jetzt 3);\n50,0\u00A0% Chance, mindestens einen "
                               "dazuzugewinnen."}
                        << "2,5 erwartet";
    QTest::newRow("fr")
        << "fr_FR"
        << QStringList{"Au seuil 4, chaque dé réussit dans 50,0\u00A0% des cas.",
                       "Chance d'obtenir au moins 3 succès avec 5 dés au seuil 4\u00A0: "
                       "50,0\u00A0%.\nChance de fumble (échec critique)\u00A0: "
                       "<\u00A00,1\u00A0%.",
                       "Relancer 2 échecs\u00A0:\n4,0 succès en moyenne (3 actuellement)"
                       "\u00A0;\n75,0\u00A0% de chances d'en gagner au moins un.",
                       "Relancer le dé choisi et 2 en dessous\u00A0:\n3,5 succès en moyenne "
                       "(3 actuellement)\u00A0;\n50,0\u00A0% de chances d'en gagner au "
                       "moins un."}
        << "2,5 en moyenne";
    QTest::newRow("es")
        << "es_ES"
        << QStringList{"A dificultad 4, cada dado acierta el 50,0\u00A0% de las veces.",
                       "Probabilidad de al menos 3 éxitos con 5 dados a dificultad 4: "
                       "50,0\u00A0%.\nProbabilidad de pifia: <\u00A00,1\u00A0%.",
                       "Repetir 2 fallos:\n4,0 éxitos de media (ahora 3);\n75,0\u00A0% de "
                       "probabilidad de ganar al menos uno.",
                       "Repetir el dado elegido y 2 debajo:\n3,5 éxitos de media (ahora 3);\n"
                       "50,0\u00A0% de probabilidad de ganar al menos uno."}
        << "2,5 de media";
    QTest::newRow("pt_BR")
        << "pt_BR"
        << QStringList{"Na dificuldade 4, cada dado tem sucesso em 50,0% das vezes.",
                       "Chance de pelo menos 3 sucessos com 5 dados na dificuldade 4: "
                       "50,0%.\nChance de falha crítica: <\u00A00,1%.",
                       "Rolando de novo 2 falhas:\n4,0 sucessos em média (agora 3);\n75,0% de "
                       "chance de ganhar pelo menos um.",
                       "Rolando de novo o dado escolhido e 2 abaixo:\n3,5 sucessos em média "
                       "(agora 3);\n50,0% de chance de ganhar pelo menos um."}
        << "2,5 em média";
}

void TranslationsTest::theOddsWriteNumbersAsTheLanguageDoes() {
    QFETCH(QString, locale);
    QFETCH(QStringList, odds);
    QFETCH(QString, chartExpects);
    const Translations translations{QLocale(locale)};
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    rig.SelectRow(2);
    const QStringList shown = {rig.ui.txtInput[1]->toolTip(), rig.ui.lblResult[0]->toolTip(),
                               rig.ui.Command1->toolTip(), rig.ui.Command2->toolTip()};
    QCOMPARE(shown, odds);
    rig.window.Side().ShowChances();
    const QString summary = rig.window.Side().Chances()->Summary()->text();
    QVERIFY2(summary.contains(chartExpects), qPrintable(summary));
}

void TranslationsTest::copiedLinesAndTheLogSpeakTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dice");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<QString>("reroll");  // the button after the roll, if any
    QTest::addColumn<int>("markedRow");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("logged");  // after the time of day

    const std::vector<float> example = ExamplePoolDraws();
    QTest::newRow("de, new roll")
        << "de_DE"
        << "5" << example << "" << -1
        << "5 Würfel bei Mindestwurf 4: 9 5 4 3 1 = 3 Erfolge (höchster Wurf 9, Summe 22)"
        << "  Wurf, 5 Würfel bei Mindestwurf 4: 3 Erfolge (höchster Wurf 9, Summe 22); Glück: "
           "etwa durchschnittlich.\nWürfel: 9 5 4 3 1.";
    QTest::newRow("de, one die, botch")
        << "de_DE"
        << "1" << std::vector<float>{Face(1)} << "" << -1
        << "1 Würfel bei Mindestwurf 4: 1 = 0 Erfolge (Patzer) (höchster Wurf 1, Summe 1)"
        << "  Wurf, 1 Würfel bei Mindestwurf 4: 0 Erfolge (Patzer) (höchster Wurf 1, Summe 1); "
           "Glück: etwa durchschnittlich.\nWürfel: 1.";
    QTest::newRow("de, failures")
        << "de_DE"
        << "5" << example << "Command1" << -1
        << "Neuwurf der Fehlschläge (Würfel 4 bis 5), 5 Würfel bei Mindestwurf 4: 9 5 4 2 2 = 3 "
           "Erfolge (höchster Wurf 9, Summe 22)"
        << "  Neuwurf der Fehlschläge, 5 Würfel bei Mindestwurf 4: 3 Erfolge (höchster Wurf 9, "
           "Summe 22); Glück der 2 Würfel im Neuwurf: unter den schlechtesten 25\u00A0%.\nWürfel: "
           "9 5 4 2 2.\n"
           "Würfel 4 bis 5 waren: 3 1.";
    QTest::newRow("fr, one success")
        << "fr_FR"
        << "1" << std::vector<float>{Face(5)} << "" << -1
        << "1 dé au seuil 4\u00A0: 5 = 1 succès (meilleur dé 5, total 5)"
        << "  Jet, 1 dé au seuil 4\u00A0: 1 succès (meilleur dé 5, total 5)\u00A0; chance\u00A0: "
           "dans la moyenne.\nDés\u00A0: 5.";
    QTest::newRow("fr, last die")
        << "fr_FR"
        << "5" << example << "Command2" << 4
        << "Relance dès le marqueur (dé 5), 5 dés au seuil 4\u00A0: 9 5 4 3 2 = 3 succès "
           "(meilleur dé 9, total 23)"
        << "  Relance dès le marqueur, 5 dés au seuil 4\u00A0: 3 succès (meilleur dé 9, total "
           "23)\u00A0; chance du dé relancé\u00A0: dans la moyenne.\nDés\u00A0: 9 5 4 3 "
           "2.\nLe dé 5 était\u00A0: 1.";
}

void TranslationsTest::copiedLinesAndTheLogSpeakTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, dice);
    QFETCH(std::vector<float>, draws);
    QFETCH(QString, reroll);
    QFETCH(int, markedRow);
    QFETCH(QString, copied);
    QFETCH(QString, logged);
    const Translations translations{QLocale(locale)};
    WindowRig rig;
    rig.Roll(dice, QStringLiteral("4"), draws);
    if (!reroll.isEmpty()) {
        rig.SelectRow(markedRow);
        rig.random.Script({Face(2)});
        rig.window.findChild<QPushButton*>(reroll)->click();
    }
    rig.window.Commands().CopyRoll();
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    const RollLogModel& log = rig.window.Side().Log();
    QTRY_COMPARE(log.rowCount(), reroll.isEmpty() ? 2 : 3);
    QCOMPARE(log.index(0).data().toString().mid(8), logged);
}

void TranslationsTest::aboutBoxSpeaksTheLanguage() {
    const Translations translations{QLocale(QStringLiteral("de_DE"))};
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QTest::keyClick(&rig.window, Qt::Key_F1);
    QCOMPARE(rig.alerts.messages.size(), 1U);
    QCOMPARE(QString::fromStdString(rig.alerts.messages[0].title),
             QStringLiteral("Über Corvane Dice"));
    QCOMPARE(
        QString::fromStdString(rig.alerts.messages[0].text),
        QStringLiteral("Corvane Dice 1.0.1\n\nCopyright \u00A9 2026 die Entwickler von Corvane "
                       "Dice. Freie Software unter der GNU GPL, Version 3 oder neuer."));
    QCOMPARE(rig.ui.Image1->toolTip(), QStringLiteral("Über Corvane Dice (F1)"));
}

void TranslationsTest::qtsOwnTextsFollowTheProgramsLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("cancel");
    const QHash<QString, QString> cancel = {{"C", "Cancel"},       {"de", "Abbrechen"},
                                            {"fr", "Annuler"},     {"es", "Cancelar"},
                                            {"pt_BR", "Cancelar"}, {"it", "Annulla"}};
    // Every language the program ships: Qt speaks it too, in the words written
    // here, or at least not in English for a language new to the list.
    for (const char* locale : testing_support::kLanguages) {
        QTest::newRow(locale) << locale << cancel.value(QString::fromLatin1(locale));
    }
    // Qt speaks Dutch, the program does not: the window stays in one language.
    QTest::newRow("nl") << "nl_NL"
                        << "Cancel";
}

void TranslationsTest::qtsOwnTextsFollowTheProgramsLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, cancel);
    const Translations translations{QLocale(locale)};
    const QString shown = QCoreApplication::translate("QPlatformTheme", "Cancel");
    if (cancel.isEmpty()) {
        QVERIFY2(shown != QStringLiteral("Cancel"), qPrintable(locale));
    } else {
        QCOMPARE(shown, cancel);
    }
}

}  // namespace corvane

QTEST_MAIN(corvane::TranslationsTest)
#include "TranslationsTest.moc"
