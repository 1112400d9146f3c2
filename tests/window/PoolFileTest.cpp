#include <QDir>
#include <QFile>
#include <QtTest>

#include "window/common/AtomicFile.h"
#include "window/pools/PoolFile.h"
#include "window/pools/PoolStore.h"

namespace corvane {

namespace {

// The file two pools make, written out by hand.
QByteArray HandWritten(const char* name) {
    QFile file(QStringLiteral(CORVANE_POOL_FILES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kTwoPools = HandWritten("two-pools.json");

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
    void writesTheFileByHand();
    void readsWhatItWrites();
    void readsEachBrokenKind_data();
    void readsEachBrokenKind();
    void namesAreTrimmedAndCountedInCharacters_data();
    void namesAreTrimmedAndCountedInCharacters();
    void theDefaultPathFollowsXdgConfigHome();
};

void PoolFileTest::writesTheFileByHand() {
    const SavedPoolList pools = {{QStringLiteral("Pistol"), Int16(7), Int16(4)},
                                 {QStringLiteral("Esquive, \"vite\" 🎲"), Int16(5), Int16(-2)}};
    QCOMPARE(PoolFileBytes(pools), kTwoPools);
}

void PoolFileTest::readsWhatItWrites() {
    const PoolFileContent content = ReadPoolFile(kTwoPools);
    QCOMPARE(content.problem, PoolFileProblem::None);
    QCOMPARE(content.pools.size(), 2);
    QCOMPARE(content.pools[1].Name, QStringLiteral("Esquive, \"vite\" 🎲"));
    QCOMPARE(content.pools[1].Target, Int16(-2));
    // Keys it does not know, as a later version of the same format may add, are left alone.
    const QByteArray extra =
        File("{\"name\": \"A\", \"dice\": 2, \"target\": 3, \"colour\": \"red\"}");
    QCOMPARE(ReadPoolFile(extra).pools.size(), 1);
}

void PoolFileTest::readsEachBrokenKind_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PoolFileProblem>("problem");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("poolsRead");
    using P = PoolFileProblem;
    const QByteArray one = "{\"name\": \"A\", \"dice\": 2, \"target\": 3}";
    QTest::newRow("empty") << QByteArray() << P::Truncated << 0 << 0;
    QTest::newRow("cutShort") << kTwoPools.left(kTwoPools.size() / 2) << P::Truncated << 0 << 0;
    QTest::newRow("cutInAString") << kTwoPools.left(130) << P::Truncated << 0 << 0;
    QTest::newRow("notJson") << QByteArray("[Pools]\nPistol=7,4\n") << P::NotPoolsFile << 0 << 0;
    QTest::newRow("anArray") << QByteArray("[]") << P::NotPoolsFile << 0 << 0;
    QTest::newRow("otherFormat") << File(one).replace("corvane-dice-pools", "pools")
                                 << P::NotPoolsFile << 0 << 0;
    QTest::newRow("versionZero") << File(one, 0) << P::NotPoolsFile << 0 << 0;
    QTest::newRow("newerVersion") << File(one, 2) << P::NewerVersion << 0 << 0;
    QTest::newRow("noPools") << QByteArray("{\"format\": \"corvane-dice-pools\", \"version\": 1}")
                             << P::WrongTypes << 0 << 0;
    QTest::newRow("diceAsText") << File("{\"name\": \"A\", \"dice\": \"7\", \"target\": 3}, " + one)
                                << P::WrongTypes << 1 << 1;
    QTest::newRow("halfATarget") << File(one + ", {\"name\": \"B\", \"dice\": 2, \"target\": 4.5}")
                                 << P::WrongTypes << 2 << 1;
    QTest::newRow("noDice") << File(one + ", {\"name\": \"B\", \"dice\": 0, \"target\": 4}")
                            << P::WrongTypes << 2 << 1;
    QTest::newRow("pastInt16") << File(one + ", {\"name\": \"B\", \"dice\": 40000, \"target\": 4}")
                               << P::WrongTypes << 2 << 1;
    QTest::newRow("blankName") << File(one + ", {\"name\": \"  \", \"dice\": 2, \"target\": 4}")
                               << P::WrongTypes << 2 << 1;
    QTest::newRow("nameTooLong") << File(one + ", " + Pools(1, QByteArray(60, 'x')))
                                 << P::NameTooLong << 2 << 1;
    QTest::newRow("duplicate") << File(one + ", " + one + ", " + Pools(1)) << P::DuplicateName << 2
                               << 2;
    QTest::newRow("trimmedDuplicate")
        << File(one + ", {\"name\": \" A \", \"dice\": 5, \"target\": 5}") << P::DuplicateName << 2
        << 1;
    QTest::newRow("thousandPools") << File(Pools(1000)) << P::None << 0 << 1000;
    QTest::newRow("tooManyPools") << File(Pools(1001)) << P::TooManyPools << 1001 << 1000;
    QByteArray huge = File(Pools(1)).replace("Pool0", QByteArray(1024 * 1024, 'x'));
    QTest::newRow("overOneMiB") << huge << P::TooLarge << 0 << 0;
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
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    AtomicFile writer;
    PoolStore store(path, writer);
    QCOMPARE(store.Read().problem, problem);
    if (problem == PoolFileProblem::None) return;
    const PoolEdit put = PoolEdit::Put({QStringLiteral("New"), Int16(2), Int16(2)});
    QCOMPARE(store.Save({put}, PoolStore::IfUnreadable::Refuse).status,
             PoolStore::Status::Unreadable);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    file.close();

    // Set aside, the old bytes live on under a dated name beside the new file,
    // which holds what could be read and the new pool.
    const PoolStore::Outcome saved = store.Save({put}, PoolStore::IfUnreadable::SetAside);
    QCOMPARE(saved.status, PoolStore::Status::Saved);
    QFile aside(saved.setAside);
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), bytes);
    QVERIFY(QFileInfo(saved.setAside).fileName().startsWith(QStringLiteral("pools.unreadable-")));
    QCOMPARE(store.Read().problem, PoolFileProblem::None);
    QCOMPARE(store.Read().pools.size(), std::min(poolsRead + 1, 1000));
}

void PoolFileTest::namesAreTrimmedAndCountedInCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");  // empty: refused
    QTest::newRow("trimmed") << " Pistol\t"
                             << "Pistol";
    QTest::newRow("empty") << "   "
                           << "";
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

}  // namespace corvane

QTEST_GUILESS_MAIN(corvane::PoolFileTest)
#include "PoolFileTest.moc"
