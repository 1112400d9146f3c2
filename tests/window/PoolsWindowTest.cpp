#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QtTest>

#include "FileBytes.h"
#include "WindowRig.h"
#include "window/common/QtDialogs.h"
#include "window/pools/PoolFile.h"
#include "window/pools/PoolsWindow.h"

namespace corvane {

using testing_support::Face;
using testing_support::FileBytes;
using testing_support::WindowRig;

namespace {

// Types the pool into the fields and saves it with Ctrl+S under `name`.
void SavePool(WindowRig& rig, const QString& dice, const QString& target, const QString& name) {
    rig.ui.txtInput[0]->setText(dice);
    rig.ui.txtInput[1]->setText(target);
    rig.dialogs.typed << name;
    QTest::keyClick(rig.ui.txtInput[0], Qt::Key_S, Qt::ControlModifier);
}

QStringList Names(const SavedPoolList& pools) {
    QStringList names;
    for (const SavedPool& pool : pools) names << pool.Name;
    return names;
}

}  // namespace

class PoolsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void threePoolsSavedRollAfterARestart();
    void savingTakesTheFieldsAsTheRollerReadsThem_data();
    void savingTakesTheFieldsAsTheRollerReadsThem();
    void anUnreadableFileIsToldOnceAndKeptUntilThePlayerChooses_data();
    void anUnreadableFileIsToldOnceAndKeptUntilThePlayerChooses();
    void thePoolsWindowRollsRenamesDeletesAndMovesFromTheKeyboard();
    void importAsksAboutClashingNamesAndExportWritesTheList();
    void qtsFileDialogLeavesNoTraceBehind();
};

void PoolsWindowTest::threePoolsSavedRollAfterARestart() {
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("corvane-dice/pools.json"));
    {
        WindowRig rig(file);
        QVERIFY(rig.ShowAndActivate());
        SavePool(rig, "7", "4", "Pistol");
        QCOMPARE(rig.ui.lblStatus->text(), QStringLiteral("Pool saved."));
        SavePool(rig, "5", "5", "Dodge");
        SavePool(rig, "12abc", "3", "  Ritual, \"long\"  ");
    }
    WindowRig rig(file);
    QVERIFY(rig.ShowAndActivate());
    // The Pools window, the first to read the file, lists each pool once.
    QCOMPARE(rig.OpenPools()->Entries()->count(), 3);
    const QList<std::pair<int, int>> pools = {{7, 4}, {5, 5}, {12, 3}};
    for (int i = 0; i < pools.size(); ++i) {
        rig.random.Script({Face(3)});
        QTest::keyClick(&rig.window, Qt::Key(Qt::Key_1 + i), Qt::ControlModifier);
        QCOMPARE(rig.window.State().DiceCount.Value(), pools[i].first);
        QCOMPARE(rig.window.State().TargetNumber.Value(), pools[i].second);
    }
    QCOMPARE(rig.window.Pools().List()[2].Name, QStringLiteral("Ritual, \"long\""));
    // The news shows in the window the key was pressed in.
    QTest::keyClick(WindowRig::Activated(&rig.window), Qt::Key_4, Qt::ControlModifier);
    QCOMPARE(rig.ui.lblStatus->text(), QStringLiteral("No pool 4 saved."));
    QCOMPARE(rig.alerts.beeps, 1);
}

void PoolsWindowTest::savingTakesTheFieldsAsTheRollerReadsThem_data() {
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");     // to "replace?", -1 when not asked
    QTest::addColumn<QString>("saved");  // the list after the second save
    QTest::addColumn<QString>("warning");
    QTest::addColumn<int>("asked");  // how often the name was asked, what was typed kept
    const auto row = [](const char* name, const char* dice, const char* poolName, int answer,
                        const char* saved, const char* warning = "", int asked = 1) {
        QTest::newRow(name) << dice << poolName << answer << saved << warning << asked;
    };
    const char* kept = "Keep: 3 dice at target 4";
    row("new", "2.5", "Other", -1, "Keep: 3 dice at target 4; Other: 2 dice at target 4");
    row("noDice", "abc", "Other", -1, "Keep: 3 dice at target 4; Other: 1 die at target 4");
    row("replaced", "9", "Keep", int(Dialogs::Answer::Yes), "Keep: 9 dice at target 4");
    row("notReplaced", "9", "Keep", int(Dialogs::Answer::No), kept, "", 2);
    row("blankName", "9", "  ", -1, kept, "", 2);
    const char* limits =
        "Nothing saved: a pool has 1 to 32,766 dice and a target from -32,768 to 32,767.";
    row("pastTheLimit", "40000", "Other", -1, kept, limits, 0);
    row("neverRolls", "32767", "Other", -1, kept, limits, 0);
}

void PoolsWindowTest::savingTakesTheFieldsAsTheRollerReadsThem() {
    QFETCH(QString, dice);
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(QString, saved);
    QFETCH(QString, warning);
    QFETCH(int, asked);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    SavePool(rig, "3", "4", "Keep");
    if (answer >= 0) rig.dialogs.answers << Dialogs::Answer(answer);
    SavePool(rig, dice, "4", name);
    QCOMPARE(rig.dialogs.Texts("ask").size(), answer >= 0 ? 1 : 0);
    QCOMPARE(rig.dialogs.Texts("warn"), warning.isEmpty() ? QStringList() : QStringList{warning});
    // The first save's name, then this one's, asked again with what was typed.
    QCOMPARE(rig.dialogs.Texts("text").size(), 1 + asked);
    if (asked > 1) QCOMPARE(rig.dialogs.Texts("text").last(), name);
    const SavedPoolList pools = rig.window.Pools().List();
    QStringList texts;
    // Without the isolates around each name, which the Pools window's test checks.
    for (const SavedPool& pool : pools) {
        texts << PoolText(pool).remove(QChar(0x2068)).remove(QChar(0x2069));
    }
    QCOMPARE(texts.join("; "), saved);
    // On disk as in the list.
    QCOMPARE(ReadPoolFile(FileBytes(rig.window.Pools().Path())).pools, pools);
}

void PoolsWindowTest::anUnreadableFileIsToldOnceAndKeptUntilThePlayerChooses_data() {
    QTest::addColumn<bool>("setAside");
    QTest::newRow("cancelled") << false;
    QTest::newRow("setAside") << true;
}

void PoolsWindowTest::anUnreadableFileIsToldOnceAndKeptUntilThePlayerChooses() {
    QFETCH(bool, setAside);
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("pools.json"));
    const QByteArray broken = "{\"format\": \"corvane-dice-pools\", \"version\": 1, \"pools\": [";
    QVERIFY(testing_support::WriteFileBytes(file, broken));
    WindowRig rig(file);
    QVERIFY(rig.ShowAndActivate());
    QVERIFY(rig.dialogs.shown.isEmpty());  // nothing is read before the pools are needed

    if (setAside) rig.dialogs.answers << Dialogs::Answer::Yes;
    SavePool(rig, "4", "4", "New");
    QCOMPARE(rig.dialogs.Texts("warn").size(), setAside ? 2 : 1);
    // The message names the file as the system writes paths (\ on Windows).
    QVERIFY(rig.dialogs.Texts("warn")[0].contains(QDir::toNativeSeparators(file)));
    QVERIFY(rig.dialogs.Texts("warn")[0].contains("it is cut short"));
    const QString status = rig.ui.lblStatus->text();
    QTest::keyClick(rig.ui.txtInput[0], Qt::Key_1, Qt::ControlModifier);  // told only once
    QCOMPARE(rig.dialogs.Texts("warn").size(), setAside ? 2 : 1);
    QCOMPARE(rig.dialogs.Texts("ask").size(), 1);
    QCOMPARE(rig.window.Pools().List().size(), 1);  // in the list for this run
    if (!setAside) {
        QCOMPARE(FileBytes(file), broken);
        QCOMPARE(status, QStringLiteral("Not saved: kept until you close the program."));
        return;
    }
    QCOMPARE(ReadPoolFile(FileBytes(file)).pools.size(), 1);
    const QStringList aside = QDir(config.path()).entryList({"pools.unreadable-*.json"});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(FileBytes(config.filePath(aside[0])), broken);
    QVERIFY(rig.dialogs.Texts("warn").last().contains(aside[0]));
}

void PoolsWindowTest::thePoolsWindowRollsRenamesDeletesAndMovesFromTheKeyboard() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    SavePool(rig, "7", "4", "Pistol");
    SavePool(rig, "5", "5", "Dodge");
    PoolsWindow* pools = rig.OpenPools();
    QVERIFY(pools);
    QListWidget* list = pools->Entries();
    // The name set apart, so that a name's direction marks cannot turn the row around.
    QCOMPARE(list->item(0)->text(),
             QStringLiteral("\u2068Pistol\u2069: 7 dice at target 4 (Ctrl+1)"));
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->child(0)->text(QAccessible::Name),
             list->item(0)->text());
    const auto names = [&] { return Names(rig.window.Pools().List()); };

    list->setCurrentRow(1);
    rig.random.Script({Face(2)});
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(rig.window.State().DiceCount.Value(), 5);
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(names(), (QStringList{"Dodge", "Pistol"}));
    QCOMPARE(pools->Status()->text(), QStringLiteral("Pool moved."));
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);  // the first goes no higher
    QCOMPARE(pools->Status()->text(), QStringLiteral("The pool is first already."));
    rig.dialogs.typed << "Dodge, fast";
    QTest::keyClick(list, Qt::Key_F2);
    QCOMPARE(names(), (QStringList{"Dodge, fast", "Pistol"}));
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(names(), QStringList{"Pistol"});
    QCOMPARE(pools->Status()->text(), QStringLiteral("Pool deleted; Ctrl+Z brings it back."));
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(names(), (QStringList{"Dodge, fast", "Pistol"}));
    // Undo lasts only while the window is open.
    QTest::keyClick(list, Qt::Key_Delete);
    pools->close();
    pools = rig.OpenPools();
    QTest::keyClick(pools->Entries(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(names(), QStringList{"Pistol"});
}

void PoolsWindowTest::importAsksAboutClashingNamesAndExportWritesTheList() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    SavePool(rig, "7", "4", "Pistol");
    SavePool(rig, "5", "5", "Dodge");
    const QString exported = rig.config.filePath(QStringLiteral("evening"));
    rig.dialogs.fileToSave = exported;
    rig.window.Pools().Export(&rig.window);
    QCOMPARE(FileBytes(exported + QStringLiteral(".json")),
             PoolFileBytes(rig.window.Pools().List()));
    // The dialog had "evening", which is free; the ending makes a file that is not.
    SavePool(rig, "1", "1", "Third");
    rig.window.Pools().Export(&rig.window);
    QCOMPARE(rig.dialogs.Texts("ask"),
             QStringList{QDir::toNativeSeparators(exported) + ".json already exists. Replace it?"});
    QVERIFY(!FileBytes(exported + QStringLiteral(".json")).contains("Third"));
    rig.window.Pools().Change({PoolEdit::Remove("Third")}, {}, &rig.window);
    rig.dialogs.shown.clear();

    const QString gameMaster = rig.config.filePath(QStringLiteral("gm.json"));
    QVERIFY(testing_support::WriteFileBytes(gameMaster,
                                            PoolFileBytes({{"Pistol", Int16(9), Int16(3)},
                                                           {"Dodge", Int16(5), Int16(5)},
                                                           {"Sword", Int16(6), Int16(6)}})));
    rig.dialogs.fileToOpen = gameMaster;
    rig.dialogs.answers << Dialogs::Answer::No;  // keep my Pistol
    rig.window.Pools().Import(&rig.window);
    QCOMPARE(rig.dialogs.Texts("ask").size(), 1);
    QVERIFY(rig.dialogs.Texts("ask")[0].contains("Pistol"));
    QVERIFY(!rig.dialogs.Texts("ask")[0].contains("Dodge"));  // the same pool: no clash
    QCOMPARE(PoolText(rig.window.Pools().List()[0]),
             QStringLiteral("\u2068Pistol\u2069: 7 dice at target 4"));
    QCOMPARE(Names(rig.window.Pools().List()), (QStringList{"Pistol", "Dodge", "Sword"}));
    rig.dialogs.answers << Dialogs::Answer::Yes;
    rig.window.Pools().Import(&rig.window);
    QCOMPARE(PoolText(rig.window.Pools().List()[0]),
             QStringLiteral("\u2068Pistol\u2069: 9 dice at target 3"));
}

// Qt's dialog would keep its last folder in Qt's settings (a file on Linux,
// the registry on Windows); the program writes only what the player saves.
void PoolsWindowTest::qtsFileDialogLeavesNoTraceBehind() {
    QTemporaryDir config;
    const QByteArray was = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QtDialogs dialogs;
    const QString chosen = config.filePath(QStringLiteral("pools.json"));
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(chosen);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    answer.start(20);
    QVERIFY(!dialogs.FileToSave(nullptr, "Export", "pools.json", {"Pools (*.json)"}, nullptr)
                 .isEmpty());
    answer.stop();
    QCOMPARE(QDir(config.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
#ifdef Q_OS_WIN
    QVERIFY(!QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat)
                 .childGroups()
                 .contains(QStringLiteral("QtProject")));
#endif
    if (!was.isNull()) qputenv("XDG_CONFIG_HOME", was);
}

}  // namespace corvane

QTEST_MAIN(corvane::PoolsWindowTest)
#include "PoolsWindowTest.moc"
