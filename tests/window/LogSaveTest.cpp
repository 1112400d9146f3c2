#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>
#include <optional>

#include "FileBytes.h"
#include "WindowRig.h"
#include "engine/FairnessCheck.h"
#include "window/common/Announcer.h"
#include "window/log/EveningText.h"
#include "window/log/LogTable.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollLogWindow.h"
#include "window/log/RollText.h"

namespace corvane {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::FileBytes;
using testing_support::WindowRig;

namespace {

// The rows Python's csv module reads from the file. A Windows build has no
// such reader: the build machine's Python cannot open the Windows program's
// files by their Windows paths, and a Windows machine has no Python of its
// own. There the comparison is left to the Linux build, which runs the same
// writer; the file's line endings are still checked.
std::optional<QList<QStringList>> ReadCsv([[maybe_unused]] const QString& path) {
#ifdef CORVANE_CSV_READER
    QProcess python;
    python.start(QStringLiteral(CORVANE_PYTHON3), {QStringLiteral(CORVANE_CSV_READER), path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) return QList<QStringList>();
    QList<QStringList> rows;
    for (const QJsonValue row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        rows << row.toVariant().toStringList();
    }
    return rows;
#else
    return std::nullopt;
#endif
}

// A roll, a reroll of its failures and a botch, in the rig's log.
RollLogWindow* LogOfThreeRolls(WindowRig& rig) {
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());  // 9 5 4 3 1
    rig.random.Script({Face(2)});
    rig.ui.Command1->click();
    rig.Roll(QStringLiteral("2"), QStringLiteral("4"), {Face(1)});
    return rig.OpenLog();
}

// The fairness finding on those rolls' faces, counted by hand: the opening
// roll's six 1s, then 9 (a six, then 3) 5 4 3 1, the rerolled 2 2, and 1 1.
QString FairnessOfThreeRolls() {
    FaceCounts faces;
    faces.Dice = 15;
    faces.LastFaces = {9, 2, 2, 1, 1};
    faces.Sixes = 1;
    return EveningText::Fairness(CheckFairness(faces));
}

// At even chances, six 1s (at most 1/64 of rolls as poor), 3 successes of 5
// (1/2 to 13/16) and none of 2 twice (at most 1/4), their ties broken as the
// evening drew them: together at most 9.6%, here about 1 in 51.
const QString kEvening = QStringLiteral(
    "This evening: 4 rolls with 15 dice, 3 successes (7.5 expected): bottom 2% (1 in 51)");

}  // namespace

class LogSaveTest : public QObject {
    Q_OBJECT
private slots:
    void savesEveryRollOrTheSelected_data();
    void savesEveryRollOrTheSelected();
    void csvQuotesWhatNeedsQuoting_data();
    void csvQuotesWhatNeedsQuoting();
};

void LogSaveTest::savesEveryRollOrTheSelected_data() {
    QTest::addColumn<QString>("name");  // as typed in the dialog
    QTest::addColumn<int>("filter");    // chosen in the dialog
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("written");  // empty: the save fails
    QTest::newRow("text") << "log" << 0 << false << "log.txt";
    QTest::newRow("csvByFilter") << "log" << 1 << false << "log.csv";
    QTest::newRow("csvByName") << "log.CSV" << 0 << false << "log.CSV";
    QTest::newRow("markdown") << "log.md" << 0 << false << "log.md";
    QTest::newRow("selectedCsv") << "log.csv" << 0 << true << "log.csv";
    QTest::newRow("selectedText") << "log.txt" << 0 << true << "log.txt";
    QTest::newRow("intoNoSuchFolder") << "no such folder/log.csv" << 0 << false << "";
}

void LogSaveTest::savesEveryRollOrTheSelected() {
    QFETCH(QString, name);
    QFETCH(int, filter);
    QFETCH(bool, selected);
    QFETCH(QString, written);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    RollLogWindow* log = LogOfThreeRolls(rig);
    QVERIFY(log);
    // The opening roll, then the three above; the last two selected.
    QTRY_COMPARE(log->Entries()->model()->rowCount(), 4);
    for (int row = 0; selected && row < 2; ++row) {
        log->Entries()->selectionModel()->select(rig.window.Side().Log().index(row),
                                                 QItemSelectionModel::Select);
    }
    rig.dialogs.fileToSave = rig.config.filePath(name);
    rig.dialogs.filterChosen = filter;
    QSignalSpy announced(&rig.window.Announcements(), &Announcer::announced);
    QTest::keyClick(log->Entries(), Qt::Key_S,
                    selected ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    QCOMPARE(announced.size(), 1);
    if (written.isEmpty()) {
        // It says why, naming the file as the system writes paths, and writes nothing.
        QCOMPARE(rig.dialogs.Texts("warn").size(), 1);
        QVERIFY(rig.dialogs.Texts("warn")[0].contains(
            QDir::toNativeSeparators(rig.dialogs.fileToSave)));
        QVERIFY(!QFile::exists(rig.dialogs.fileToSave));
        return;
    }
    const QString path = rig.config.filePath(written);
    const QList<const RollRecord*> records =
        rig.window.Side().Log().Records(selected ? log->Entries()->selectionModel()->selectedRows()
                                                 : rig.window.Side().Log().AllRows());
    QCOMPARE(records.size(), selected ? 2 : 4);
    QCOMPARE(log->Status()->text(),
             selected ? QStringLiteral("2 rolls saved.") : QStringLiteral("4 rolls saved."));

    if (written.endsWith(".txt")) {
        QStringList lines;
        for (const RollRecord* record : records) lines << CopiedEntry(*record) + "\n";
        // The evening counts every roll, the ones not saved too, and says so.
        lines << "\n";
        if (selected) {
            lines << "The evening, every roll since the program started, not only the 2 above:\n";
        }
        lines << kEvening + "\n" + FairnessOfThreeRolls() + "\n";
        QCOMPARE(QString::fromUtf8(FileBytes(path)), lines.join(QString()));
        return;
    }
    if (written.endsWith(".md")) {
        const QStringList lines = QString::fromUtf8(FileBytes(path)).split('\n');
        // The table, then the evening in paragraphs of its own.
        QCOMPARE(lines.size(), 2 + 4 + 4 + 1);
        QVERIFY(lines[0].startsWith("| Time | Operation | Dice | Target | Successes | Botch |"));
        QVERIFY(lines[0].endsWith("| Chance at least as well | Chance at most as well | Luck |"));
        QCOMPARE(lines[1],
                 "| --- | --- | --- | --- | --- | --- | --- | --- | --- | --- | --- | "
                 "--- | --- | --- | --- | --- | --- |");
        QCOMPARE(lines[5],
                 "| 12:34:56 | Roll | 2 | 4 | 0 | yes | 1 | 2 | 1 1 |  |  | 2 | 0 | 1 "
                 "| 1 | 0.25 | bottom 25% |");
        QCOMPARE(lines.mid(6), (QStringList{"", kEvening, "", FairnessOfThreeRolls(), ""}));
        return;
    }
    // Each roll's luck: the dice it threw at even chances, their successes,
    // those expected, and the chances of at least and at most as many.
    QList<QStringList> expected = {
        {"Time", "Operation", "Dice", "Target", "Successes", "Botch", "High roll", "Total",
         "Results", "First rerolled", "Replaced", "Dice thrown", "Their successes", "Expected",
         "Chance at least as well", "Chance at most as well", "Luck"},
        {"12:34:56", "Reroll Failures", "5", "4", "3", "no", "9", "22", "9 5 4 2 2", "4", "3 1",
         "2", "0", "1", "1", "0.25", "bottom 25%"},
        {"12:34:56", "Roll", "2", "4", "0", "yes", "1", "2", "1 1", "", "", "2", "0", "1", "1",
         "0.25", "bottom 25%"}};
    // Before them, the opening roll (the rig's dice show 1 until scripted) and the first.
    if (!selected) {
        expected.insert(1, {"12:34:56", "Roll", "6", "4", "0", "yes", "1", "6", "1 1 1 1 1 1", "",
                            "", "6", "0", "3", "1", "0.015625", "bottom 2% (1 in 64)"});
        expected.insert(2, {"12:34:56", "Roll", "5", "4", "3", "no", "9", "22", "9 5 4 3 1", "", "",
                            "5", "3", "2.5", "0.5", "0.8125", "about average"});
    }
    if (const auto rows = ReadCsv(path)) QCOMPARE(*rows, expected);
    QVERIFY(FileBytes(path).endsWith("\r\n"));
}

void LogSaveTest::csvQuotesWhatNeedsQuoting_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("plain") << QStringList{"Roll", "12:34:56", ""};
    QTest::newRow("commas") << QStringList{"Roll, again", "12:34:56,250", ","};
    QTest::newRow("quotes") << QStringList{"\"Reroll\" Failures", "\"", "a\"\"b"};
    QTest::newRow("lineBreaks") << QStringList{"two\nlines", "cr\r\nlf", "\r"};
    QTest::newRow("unicode") << QStringList{"Würfel 🎲", " leading and trailing ", "é"};
}

void LogSaveTest::csvQuotesWhatNeedsQuoting() {
    QFETCH(QStringList, cells);
    const LogTable table{{"a", "b", "c"}, {cells, cells}};
    QTemporaryDir folder;
    const QString path = folder.filePath("cells.csv");
    QVERIFY(testing_support::WriteFileBytes(path, CsvBytes(table)));
    const auto rows = ReadCsv(path);
    if (!rows) QSKIP("This build has no CSV reader of its own to compare with (see ReadCsv).");
    QCOMPARE(*rows, (QList<QStringList>{{"a", "b", "c"}, cells, cells}));
}

}  // namespace corvane

QTEST_MAIN(corvane::LogSaveTest)
#include "LogSaveTest.moc"
