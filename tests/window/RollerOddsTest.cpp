#include <QtTest>

#include "WindowRig.h"

namespace corvane {

using testing_support::Face;
using testing_support::WindowRig;

const QString kMarkerHint =
    QStringLiteral("Select a die in the list to reroll it and every die below it.");

// Each odds tooltip is read out too, word for word.
QString Odds(QWidget* control) {
    if (control->accessibleDescription() != control->toolTip()) return QStringLiteral("<differs>");
    return control->toolTip();
}

class RollerOddsTest : public QObject {
    Q_OBJECT
private slots:
    void tooltipsShowTheOddsOfTheLastRoll_data();
    void tooltipsShowTheOddsOfTheLastRoll();
    void aRerollRefreshesTheOddsAndDropsTheMarker();
    void targetOddsFollowTheTypedText_data();
    void targetOddsFollowTheTypedText();
};

void RollerOddsTest::tooltipsShowTheOddsOfTheLastRoll_data() {
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("target");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("odds");  // target, successes, failures, marker

    QTest::newRow("examplePool")
        << "5"
        << "4" << testing_support::ExamplePoolDraws() << 2
        << QStringList{
               "Each die succeeds 50.0% of the time at target 4.",
               "Chance of at least 3 successes with 5 dice at target 4: 50.0%.\nChance of a "
               "botch: <\u00A00.1%.",
               "Rerolling 2 failures:\n4.0 successes expected (now 3);\n75.0% chance to gain at "
               "least one.",
               "Rerolling the selected die and 2 below it:\n3.5 successes expected (now 3);\n50.0% "
               "chance to gain at least one."};
    QTest::newRow("botchAtTwelve")
        << "3"
        << "12" << std::vector<float>{Face(1)} << 2
        << QStringList{
               "Each die succeeds 2.8% of the time at target 12.",
               "Chance of at least 0 successes with 3 dice at target 12: 100.0%.\nChance "
               "of a botch: 0.5%.",
               "Rerolling 3 failures:\n0.1 successes expected (now 0);\n8.1% chance to gain "
               "at least one.",
               "Rerolling the selected die:\n0.0 successes expected (now 0);\n2.8% chance to "
               "gain at least one."};
    QTest::newRow("everyDieSucceeds")
        << "1"
        << "0" << std::vector<float>{Face(2)} << 0
        << QStringList{
               "Each die succeeds 100.0% of the time at target 0.",
               "Chance of at least 1 success with 1 die at target 0: 100.0%.\nChance of a "
               "botch: 16.7%.",
               "No failures to reroll.",
               "Rerolling the selected die:\n1.0 successes expected (now 1);\n0.0% chance to "
               "gain at least one."};
    QTest::newRow("nearlyCertain")
        << "20"
        << "4" << std::vector<float>{Face(4), Face(1)} << 0
        << QStringList{
               "Each die succeeds 50.0% of the time at target 4.",
               "Chance of at least 1 success with 20 dice at target 4: >\u00A099.9%.\nChance of "
               "a botch: <\u00A00.1%.",
               "Rerolling 19 failures:\n10.5 successes expected (now 1);\n>\u00A099.9% chance to "
               "gain at least one.",
               "Rerolling the selected die and 19 below it:\n10.0 successes expected (now "
               "1);\n>\u00A099.9% chance to gain at least one."};
}

void RollerOddsTest::tooltipsShowTheOddsOfTheLastRoll() {
    QFETCH(QString, dice);
    QFETCH(QString, target);
    QFETCH(std::vector<float>, draws);
    QFETCH(int, row);
    QFETCH(QStringList, odds);

    WindowRig rig;
    rig.Roll(dice, target, draws);
    QCOMPARE(Odds(rig.ui.txtInput[1]), odds[0]);
    QCOMPARE(Odds(rig.ui.lblResult[0]), odds[1]);
    QCOMPARE(Odds(rig.ui.Command1), odds[2]);
    QCOMPARE(Odds(rig.ui.Command2), kMarkerHint);
    rig.SelectRow(row);
    QCOMPARE(Odds(rig.ui.Command2), odds[3]);
}

void RollerOddsTest::aRerollRefreshesTheOddsAndDropsTheMarker() {
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), testing_support::ExamplePoolDraws());
    rig.SelectRow(2);
    rig.random.Script({Face(5), Face(5), Face(2)});
    rig.ui.Command2->click();
    QCOMPARE(rig.Rows(), (QStringList{"9", "5", "5", "5", "2"}));
    QCOMPARE(Odds(rig.ui.Command1), QStringLiteral("Rerolling 1 failure:\n4.5 successes expected "
                                                   "(now 4);\n50.0% chance to gain at least one."));
    QCOMPARE(Odds(rig.ui.Command2), kMarkerHint);
}

void RollerOddsTest::targetOddsFollowTheTypedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("odds");
    const QString hint = QStringLiteral("Type a target from -32,768 to 32,767 to see the chances.");
    QTest::newRow("seven") << "7"
                           << "Each die succeeds 16.7% of the time at target 7.";
    QTest::newRow("roundsToSix") << "6.5"
                                 << "Each die succeeds 16.7% of the time at target 6.";
    QTest::newRow("thirteen") << "13"
                              << "Each die succeeds 2.8% of the time at target 13.";
    QTest::newRow("farOut") << "25"
                            << "Each die succeeds <\u00A00.1% of the time at target 25.";
    QTest::newRow("letters") << "abc"
                             << "Each die succeeds 100.0% of the time at target 0.";
    QTest::newRow("lowest") << "-32768.5"
                            << "Each die succeeds 100.0% of the time at target -32768.";
    QTest::newRow("past32767") << "32767.5" << hint;
    QTest::newRow("pastADouble") << "1e400" << hint;
}

void RollerOddsTest::targetOddsFollowTheTypedText() {
    QFETCH(QString, typed);
    QFETCH(QString, odds);
    WindowRig rig;
    const QString successOdds = Odds(rig.ui.lblResult[0]);
    rig.ui.txtInput[1]->setText(typed);
    QCOMPARE(Odds(rig.ui.txtInput[1]), odds);
    // The other odds belong to the last roll until the next one.
    QCOMPARE(Odds(rig.ui.lblResult[0]), successOdds);
}

}  // namespace corvane

QTEST_MAIN(corvane::RollerOddsTest)
#include "RollerOddsTest.moc"
