// Folders made read-only through permission bits, and a test run as root
// giving its rights up, are POSIX's (see the read-only folder test).
#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtTest>

#include "FileBytes.h"
#include "window/common/AtomicFile.h"
#include "window/pools/SavedPools.h"

namespace corvane {

using testing_support::FileBytes;

namespace {

SavedPool Pool(const QString& name, int dice = 3) {
    return {name, Int16(static_cast<std::int16_t>(dice)), Int16(4)};
}

// Fails one step of a write, as a full disk or a crash would: the write step
// puts half the bytes in the temporary file first.
class FailingFile final : public AtomicFile {
public:
    QString failAt;  // "open", "put", "sync" or "commit"; empty: none
protected:
    bool Open(QSaveFile& file) override { return failAt != "open" && AtomicFile::Open(file); }
    // A short write, as a full disk makes on Windows too.
    qint64 Put(QSaveFile& file, const QByteArray& bytes) override {
        return AtomicFile::Put(file, failAt == "put" ? bytes.left(bytes.size() / 2) : bytes);
    }
    bool Sync(QSaveFile& file) override { return failAt != "sync" && AtomicFile::Sync(file); }
    bool Commit(QSaveFile& file) override {
        if (failAt != "commit") return AtomicFile::Commit(file);
        file.cancelWriting();  // the rename never comes
        file.commit();
        return false;
    }
};

// A folder holding a pools file, and the store and list of one program on it.
struct Rig {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("corvane-dice/pools.json"));
    FailingFile writer;
    PoolStore store{path, writer, 0};
    SavedPools pools{store};
};

}  // namespace

class PoolStoreTest : public QObject {
    Q_OBJECT
private slots:
    void nothingIsMadeBeforeTheFirstSave();
    void aFailedWriteLeavesTheOldFileWhole_data();
    void aFailedWriteLeavesTheOldFileWhole();
    void aReadOnlyFolderIsReportedAndTheNextSaveTriesAgain();
    void aSaveWaitsForTheOtherCopysLock();
    void aSaveGetsPastWhatAKilledCopyLeftAndNamesWhatItCannot_data();
    void aSaveGetsPastWhatAKilledCopyLeftAndNamesWhatItCannot();
    void twoCopiesKeepEachOthersPools_data();
    void twoCopiesKeepEachOthersPools();
    void twoProgramsSavingAtOnceLoseNothing();
};

void PoolStoreTest::nothingIsMadeBeforeTheFirstSave() {
    Rig rig;
    rig.pools.Load();
    QVERIFY(rig.pools.List().isEmpty());
    QCOMPARE(rig.pools.Loaded().problem, PoolFileProblem::None);
    QVERIFY(QDir(rig.folder.path()).isEmpty());
    QVERIFY(rig.pools.Make(PoolEdit::Put(Pool("A"))));
    QVERIFY(QDir(rig.folder.path()).isEmpty());
    QCOMPARE(rig.pools.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Saved);
    // The file, and the lock's file only while it is held.
    QCOMPARE(QDir(rig.folder.filePath("corvane-dice")).entryList(QDir::Files),
             QStringList{"pools.json"});
}

void PoolStoreTest::aFailedWriteLeavesTheOldFileWhole_data() {
    QTest::addColumn<QString>("step");
    QTest::newRow("open") << "open";
    QTest::newRow("put") << "put";
    QTest::newRow("sync") << "sync";
    QTest::newRow("commit") << "commit";
}

void PoolStoreTest::aFailedWriteLeavesTheOldFileWhole() {
    QFETCH(QString, step);
    Rig rig;
    rig.pools.Make(PoolEdit::Put(Pool("Old")));
    QCOMPARE(rig.pools.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Saved);
    const QByteArray before = FileBytes(rig.path);

    rig.writer.failAt = step;
    rig.pools.Make(PoolEdit::Put(Pool("New")));
    const PoolStore::Outcome failed = rig.pools.Write(PoolStore::IfUnreadable::Refuse);
    QCOMPARE(failed.status, PoolStore::Status::Failed);
    QCOMPARE(FileBytes(rig.path), before);
    QCOMPARE(QDir(rig.folder.filePath("corvane-dice")).entryList(QDir::Files),
             QStringList{"pools.json"});   // no half-written file left behind
    QCOMPARE(rig.pools.List().size(), 2);  // the new pool stays for this run

    rig.writer.failAt.clear();
    QCOMPARE(rig.pools.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Saved);
    QCOMPARE(rig.store.Read().pools, (SavedPoolList{Pool("Old"), Pool("New")}));
}

void PoolStoreTest::aReadOnlyFolderIsReportedAndTheNextSaveTriesAgain() {
#ifdef Q_OS_WIN
    // Windows keeps who may write a folder in its access list, which
    // QFile::setPermissions does not change (and wine does not enforce).
    QSKIP("A read-only folder is made through permission bits, which Windows does not have.");
#else
    Rig rig;
    rig.pools.Make(PoolEdit::Put(Pool("Old")));
    rig.pools.Write(PoolStore::IfUnreadable::Refuse);
    const QString folder = QFileInfo(rig.path).absolutePath();
    QVERIFY(QFile::setPermissions(rig.folder.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther));
    QVERIFY(QFile::setPermissions(
        folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    // Root may write anywhere: the save is tried as nobody.
    const bool asNobody = geteuid() == 0 && seteuid(65534) == 0;
    rig.pools.Make(PoolEdit::Put(Pool("New")));
    const PoolStore::Outcome failed = rig.pools.Write(PoolStore::IfUnreadable::Refuse);
    if (asNobody) QVERIFY(seteuid(0) == 0);
    QCOMPARE(failed.status, PoolStore::Status::Failed);
    QVERIFY2(failed.error.contains(folder), qPrintable(failed.error));
    QCOMPARE(rig.pools.List().size(), 2);

    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(rig.pools.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Saved);
    QCOMPARE(rig.store.Read().pools.size(), 2);
#endif
}

void PoolStoreTest::aSaveWaitsForTheOtherCopysLock() {
    Rig rig;
    QDir().mkpath(QFileInfo(rig.path).absolutePath());
    QLockFile other(rig.path + ".lock");
    QVERIFY(other.tryLock(0));
    rig.pools.Make(PoolEdit::Put(Pool("A")));
    QCOMPARE(rig.pools.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Busy);
    QVERIFY(!QFile::exists(rig.path));
    other.unlock();
    QCOMPARE(rig.pools.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Saved);
}

void PoolStoreTest::aSaveGetsPastWhatAKilledCopyLeftAndNamesWhatItCannot_data() {
    QTest::addColumn<QString>(
        "left");  // beside the file: "name=bytes", "name/" a folder, "name|" a pipe
    QTest::addColumn<QString>("error");  // in the message; empty: saved
    const auto row = [](const char* left, const char* error = "") {
        QTest::newRow(left) << left << error;
    };
    row("pools.json.lock=");
    row("pools.json.lock=#?");
    row("pools.json.Ab12Cd={");
    row("pools.json.lock/", "is in the way of the lock file");
    row("pools.json/", "a folder, a pipe or a device, not a file");
#ifndef Q_OS_WIN
    row("pools.json|", "a folder, a pipe or a device, not a file");
#endif
}

void PoolStoreTest::aSaveGetsPastWhatAKilledCopyLeftAndNamesWhatItCannot() {
    QFETCH(QString, left);
    QFETCH(QString, error);
    Rig rig;
    const QDir folder(QFileInfo(rig.path).absolutePath());
    const QString at = folder.filePath(left.section(QRegularExpression("[=/|]"), 0, 0));
    QFile file(at);
    QVERIFY(folder.mkpath(left.endsWith('/') ? at : "."));
#ifndef Q_OS_WIN
    if (left.endsWith('|')) QCOMPARE(mkfifo(QFile::encodeName(at).constData(), 0600), 0);
#endif
    if (left.contains('=')) {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(left.section('=', 1).toUtf8()) >= 0);
        file.flush();
        // Left by a copy killed a while ago.
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                         QFileDevice::FileModificationTime);
        // Closed, as a killed copy's files are: Windows removes no open file.
        file.close();
    }
    rig.pools.Make(PoolEdit::Put(Pool("A")));
    const PoolStore::Outcome outcome = rig.pools.Write(PoolStore::IfUnreadable::Refuse);
    QVERIFY2(outcome.error.contains(error), qPrintable(outcome.error));
    QCOMPARE(outcome.status,
             error.isEmpty() ? PoolStore::Status::Saved : PoolStore::Status::Failed);
    if (error.isEmpty()) QCOMPARE(folder.entryList(QDir::Files), QStringList{"pools.json"});
}

void PoolStoreTest::twoCopiesKeepEachOthersPools_data() {
    QTest::addColumn<QList<PoolEdit>>("theirs");
    QTest::addColumn<QList<PoolEdit>>("mine");
    QTest::addColumn<QStringList>("saved");  // the file after both saved: "name" or "name:dice"
    QTest::addColumn<int>("conflicts");      // my changes the file no longer allowed
    const auto row = [](const char* name, const QList<PoolEdit>& mine, const QStringList& saved,
                        int conflicts = 0,
                        const QList<PoolEdit>& theirs = {PoolEdit::Put(Pool("Theirs"))}) {
        QTest::newRow(name) << theirs << mine << saved << conflicts;
    };
    // Both copies start from A and B; the other saves its change before this one saves.
    row("put", {PoolEdit::Put(Pool("Mine"))}, {"A", "B", "Theirs", "Mine"});
    row("remove", {PoolEdit::Remove("A")}, {"B", "Theirs"});
    row("rename", {PoolEdit::Rename("A", "Z")}, {"Z", "B", "Theirs"});
    row("renameOntoTheirs", {PoolEdit::Rename("A", "Theirs")}, {"A", "B", "Theirs"}, 1);
    row("renameWhatTheyChanged", {PoolEdit::Rename("A", "Z")}, {"Z:9", "B"}, 0,
        {PoolEdit::Put(Pool("A", 9))});
    row("renameWhatTheyDeleted", {PoolEdit::Rename("A", "Z")}, {"B"}, 1, {PoolEdit::Remove("A")});
    row("moveDown", {PoolEdit::Move("A", 1)}, {"B", "A", "Theirs"});
    row("moveUpFromTheTop", {PoolEdit::Move("A", -1)}, {"A", "B", "Theirs"});
    row("restore", {PoolEdit::Remove("A"), PoolEdit::Restore(Pool("A"), 0)}, {"A", "B", "Theirs"});
    row("restoreOntoTheirs", {PoolEdit::Restore(Pool("Theirs"), 0)}, {"A", "B", "Theirs:9"}, 1,
        {PoolEdit::Put(Pool("Theirs", 9))});
}

void PoolStoreTest::twoCopiesKeepEachOthersPools() {
    QFETCH(QList<PoolEdit>, theirs);
    QFETCH(QList<PoolEdit>, mine);
    QFETCH(QStringList, saved);
    QFETCH(int, conflicts);
    Rig rig;
    rig.pools.Make(PoolEdit::Put(Pool("A")));
    rig.pools.Make(PoolEdit::Put(Pool("B")));
    rig.pools.Write(PoolStore::IfUnreadable::Refuse);
    AtomicFile writer;
    PoolStore otherStore(rig.path, writer, 0);
    SavedPools other(otherStore);
    other.Load();

    for (const PoolEdit& edit : theirs) other.Make(edit);
    QCOMPARE(other.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Saved);
    for (const PoolEdit& edit : mine) rig.pools.Make(edit);
    const PoolStore::Outcome outcome = rig.pools.Write(PoolStore::IfUnreadable::Refuse);
    QCOMPARE(outcome.status, PoolStore::Status::Saved);
    QCOMPARE(outcome.conflicts.size(), conflicts);
    SavedPoolList expected;
    for (const QString& pool : saved) {
        expected << Pool(pool.section(':', 0, 0),
                         pool.section(':', 1).toInt() + 3 * !pool.contains(':'));
    }
    QCOMPARE(rig.store.Read().pools, expected);
    QCOMPARE(rig.pools.List(), rig.store.Read().pools);
}

void PoolStoreTest::twoProgramsSavingAtOnceLoseNothing() {
    Rig rig;
    QList<QProcess*> programs;
    for (const char* prefix : {"first ", "second "}) {
        auto* program = new QProcess(this);
        program->start(QStringLiteral(CORVANE_POOL_SAVER),
                       {rig.path, QLatin1String(prefix), QStringLiteral("40")});
        programs << program;
    }
    for (QProcess* program : programs) {
        QVERIFY(program->waitForFinished(60000));
        QCOMPARE(program->exitCode(), 0);
    }
    qDeleteAll(programs);
    const SavedPoolList saved = rig.store.Read().pools;
    QCOMPARE(saved.size(), 80);
    for (int i = 1; i <= 40; ++i) {
        QVERIFY(IndexOfPool(saved, QStringLiteral("first %1").arg(i)) >= 0);
        QVERIFY(IndexOfPool(saved, QStringLiteral("second %1").arg(i)) >= 0);
    }
}

}  // namespace corvane

QTEST_GUILESS_MAIN(corvane::PoolStoreTest)
#include "PoolStoreTest.moc"
