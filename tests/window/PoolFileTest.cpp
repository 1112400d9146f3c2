#include <QDir>
#include <QFile>
#include <QtTest>

#include "FileBytes.h"
#include "window/common/AtomicFile.h"
#include "window/common/Settings.h"
#include "window/pools/PoolFile.h"
#include "window/pools/PoolStore.h"

namespace corvane {

namespace {

using testing_support::FileBytes;

// The file two pools make, written out by hand.
const QByteArray kTwoPools = FileBytes(QStringLiteral(CORVANE_POOL_FILES "/two-pools.json"));

QByteArray File(const QByteArray& pools, int version = 1) {
    return "{\"format\": \"corvane-dice-pools\", \"version\": " + QByteArray::number(version) +
           ", \"pools\": [" + pools + "]}";
}

QByteArray Pools(int count, const QByteArray& name = "Pool") {
    QByteArrayList entries;
    for (int i = 0; i < count; ++i) {
        entries << "{\"name\": \"" + name + QByteArray::number(i) +
                       "\", \"dice\": 3, \"target\": 4}";
    }
    return entries.join(", ");
}

}  // namespace

class PoolFileTest : public QObject {
    Q_OBJECT
private slots:
    void writesAndReadsTheFileByHand();
    void readsEachBrokenKind_data();
    void readsEachBrokenKind();
    void namesAreTrimmedAndCountedInCharacters_data();
    void namesAreTrimmedAndCountedInCharacters();
    void theDefaultPathFollowsXdgConfigHome();
    void settingsKeepWhatTheyCannotRead_data();
    void settingsKeepWhatTheyCannotRead();
};

void PoolFileTest::writesAndReadsTheFileByHand() {
    const SavedPoolList pools = {{QStringLiteral("Pistol"), Int16(7), Int16(4)},
                                 {QStringLiteral("Esquive, \"vite\" 🎲"), Int16(5), Int16(-2)}};
    QCOMPARE(PoolFileBytes(pools), kTwoPools);
    const PoolFileContent content = ReadPoolFile(kTwoPools);
    QCOMPARE(content.problem, PoolFileProblem::None);
    QCOMPARE(content.pools, pools);
}

void PoolFileTest::readsEachBrokenKind_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PoolFileProblem>("problem");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("poolsRead");
    using P = PoolFileProblem;
    const auto row = [](const char* name, const QByteArray& bytes, P problem, int entry = 0,
                        int poolsRead = 0) {
        QTest::newRow(name) << bytes << problem << entry << poolsRead;
    };
    const QByteArray one = "{\"name\": \"A\", \"dice\": 2, \"target\": 3}";
    // Pool A, then a second entry from its name on.
    const auto aThen = [&](const QByteArray& b) { return File(one + ", {\"name\": " + b + "}"); };
    // Keys it does not know, as a later version of the same format may add, are left alone.
    row("unknownKeys",
        File("{\"name\": \"A\", \"dice\": 2, \"target\": 3, \"colour\": \"red\"}")
            .replace("{\"format", "{\"comment\": \"mine\", \"format"),
        P::None, 0, 1);
    row("comment", File(one).replace("\"version\"", "// a note\n\"version\""), P::NotPoolsFile);
    row("empty", QByteArray(), P::Truncated);
    row("cutShort", kTwoPools.left(kTwoPools.size() / 2), P::Truncated);
    row("cutInAString", kTwoPools.left(130), P::Truncated);
    row("notJson", "[Pools]\nPistol=7,4\n", P::NotPoolsFile);
    row("anArray", "[]", P::NotPoolsFile);
    row("otherFormat", File(one).replace("corvane-dice-pools", "pools"), P::NotPoolsFile);
    row("versionZero", File(one, 0), P::NotPoolsFile);
    row("newerVersion", File(one, 2), P::NewerVersion);
    row("noPools", "{\"format\": \"corvane-dice-pools\", \"version\": 1}", P::WrongTypes);
    row("diceAsText", File("{\"name\": \"A\", \"dice\": \"7\", \"target\": 3}, " + one),
        P::WrongTypes, 1, 1);
    row("halfATarget", aThen("\"B\", \"dice\": 2, \"target\": 4.5"), P::WrongTypes, 2, 1);
    row("noDice", aThen("\"B\", \"dice\": 0, \"target\": 4"), P::WrongTypes, 2, 1);
    row("pastInt16", aThen("\"B\", \"dice\": 40000, \"target\": 4"), P::WrongTypes, 2, 1);
    row("neverRolls", aThen("\"B\", \"dice\": 32767, \"target\": 4"), P::TooManyDice, 2, 1);
    row("blankName", aThen("\"  \", \"dice\": 2, \"target\": 4"), P::WrongTypes, 2, 1);
    row("nameTooLong", File(one + ", " + Pools(1, QByteArray(60, 'x'))), P::NameTooLong, 2, 1);
    row("duplicate", File(one + ", " + one + ", " + Pools(1)), P::DuplicateName, 2, 2);
    row("trimmedDuplicate", aThen("\" A \", \"dice\": 5, \"target\": 5"), P::DuplicateName, 2, 1);
    row("thousandPools", File(Pools(1000)), P::None, 0, 1000);
    row("tooManyPools", File(Pools(1001)), P::TooManyPools, 1001, 1000);
    row("overOneMiB", File(Pools(1)).replace("Pool0", QByteArray(1024 * 1024, 'x')), P::TooLarge);
}

void PoolFileTest::readsEachBrokenKind() {
    QFETCH(QByteArray, bytes);
    QFETCH(PoolFileProblem, problem);
    QFETCH(int, entry);
    QFETCH(int, poolsRead);
    const PoolFileContent content = ReadPoolFile(bytes);
    QCOMPARE(content.problem, problem);
    QCOMPARE(content.entry, entry);
    QCOMPARE(content.pools.size(), poolsRead);

    // Through the store, from disk, and never written over: a save refuses
    // and leaves every byte where it was.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pools.json"));
    QVERIFY(testing_support::WriteFileBytes(path, bytes));
    AtomicFile writer;
    PoolStore store(path, writer);
    QCOMPARE(store.Read().problem, problem);
    const PoolEdit put = PoolEdit::Put({QStringLiteral("New"), Int16(2), Int16(2)});
    if (problem == PoolFileProblem::None) {
        // What this version does not know goes through a save, and a rename.
        const QByteArrayList unknown = {"\"colour\": \"red\"", "\"comment\": \"mine\""};
        store.Save({put, PoolEdit::Rename("A", "B")}, PoolStore::IfUnreadable::Refuse);
        for (const QByteArray& key : unknown)
            QCOMPARE(FileBytes(path).contains(key), bytes.contains(key));
        return;
    }
    QCOMPARE(store.Save({put}, PoolStore::IfUnreadable::Refuse).status,
             PoolStore::Status::Unreadable);
    QCOMPARE(FileBytes(path), bytes);

    // Set aside, the old bytes live on under a dated name beside the new file,
    // which holds what could be read and the new pool.
    const PoolStore::Outcome saved = store.Save({put}, PoolStore::IfUnreadable::SetAside);
    QCOMPARE(saved.status, PoolStore::Status::Saved);
    QCOMPARE(FileBytes(saved.setAside), bytes);
    // The same bytes again are kept aside once.
    QVERIFY(testing_support::WriteFileBytes(path, bytes));
    QCOMPARE(store.Save({put}, PoolStore::IfUnreadable::SetAside).setAside, saved.setAside);
    QVERIFY(QFileInfo(saved.setAside).fileName().startsWith(QStringLiteral("pools.unreadable-")));
    QCOMPARE(store.Read().problem, PoolFileProblem::None);
    QCOMPARE(store.Read().pools.size(), std::min(poolsRead + 1, 1000));
}

void PoolFileTest::namesAreTrimmedAndCountedInCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");  // empty: refused
    QTest::newRow("trimmed") << QStringLiteral(" Pistol\t") << QStringLiteral("Pistol");
    QTest::newRow("empty") << QStringLiteral("   ") << QString();
    QTest::newRow("sixty") << QString(60, QLatin1Char('a')) << QString(60, QLatin1Char('a'));
    QTest::newRow("sixtyOne") << QString(61, QLatin1Char('a')) << "";
    // Each die below takes two of Qt's units but is one character.
    const QString dice = QString(QStringLiteral("🎲")).repeated(60);
    QTest::newRow("sixtyDice") << dice << dice;
    QTest::newRow("composed") << QStringLiteral("Pe\u0301e") << QStringLiteral("P\u00e9e");
}

void PoolFileTest::namesAreTrimmedAndCountedInCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(PoolName(typed).value_or(QString()), kept);
}

void PoolFileTest::theDefaultPathFollowsXdgConfigHome() {
#ifdef Q_OS_WIN
    // XDG's folders are Linux's; Windows keeps a program's settings in the
    // user's local application data.
    QVERIFY2(PoolStore::DefaultPath().endsWith("/AppData/Local/corvane-dice/pools.json"),
             qPrintable(PoolStore::DefaultPath()));
#else
    const QByteArray was = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/corvane-config");
    QCOMPARE(PoolStore::DefaultPath(),
             QStringLiteral("/tmp/corvane-config/corvane-dice/pools.json"));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(PoolStore::DefaultPath(), QDir::homePath() + "/.config/corvane-dice/pools.json");
    if (!was.isNull()) qputenv("XDG_CONFIG_HOME", was);
#endif
}

void PoolFileTest::settingsKeepWhatTheyCannotRead_data() {
    QTest::addColumn<QByteArray>("file");  // as found; "-" when there is none
    QTest::addColumn<QString>("before");   // the player's name as read
    QTest::addColumn<bool>("saves");       // whether a new name is written
    const QByteArray head = R"({"format": "corvane-dice-settings", "version": 1)";
    QTest::newRow("none") << QByteArray("-") << "" << true;
    QTest::newRow("named") << head + R"(, "playerName": "Ana"})"
                           << "Ana" << true;
    QTest::newRow("laterKeysKept") << head + R"(, "colour": "red"})"
                                   << "" << true;
    QTest::newRow("notJson") << QByteArray("name=Ana") << "" << false;
    QTest::newRow("otherFormat") << QByteArray(R"({"format": "x", "version": 1})") << "" << false;
    QTest::newRow("newerVersion") << QByteArray(
                                         R"({"format": "corvane-dice-settings", "version": 2})")
                                  << "" << false;
}

void PoolFileTest::settingsKeepWhatTheyCannotRead() {
    QFETCH(QByteArray, file);
    QFETCH(QString, before);
    QFETCH(bool, saves);
    QTemporaryDir config;
    const QString path = config.filePath(QStringLiteral("corvane-dice/settings.json"));
    if (file != "-") {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(testing_support::WriteFileBytes(path, file));
    }
    Settings settings(path);
    QCOMPARE(settings.Value(Settings::Key::PlayerName), before);
    QCOMPARE(settings.Problem().isEmpty(), saves);
    const std::optional<QString> error = settings.Set(Settings::Key::PlayerName, "Bo");
    QCOMPARE(!error, saves);
    if (!saves) {
        QCOMPARE(testing_support::FileBytes(path), file);  // never written over
        return;
    }
    const Settings again(path);
    QCOMPARE(again.Value(Settings::Key::PlayerName), QStringLiteral("Bo"));
    QCOMPARE(testing_support::FileBytes(path).contains("colour"), file.contains("colour"));
}

}  // namespace corvane

QTEST_GUILESS_MAIN(corvane::PoolFileTest)
#include "PoolFileTest.moc"
