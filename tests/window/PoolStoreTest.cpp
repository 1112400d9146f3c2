// Folders made read-only through permission bits, and a test run as root
// giving its rights up, are POSIX's (see the read-only folder test).
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
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
    QString failAt;  // "open", "put" or "commit"; empty: none
protected:
    bool Open(QSaveFile& file) override { return failAt != "open" && AtomicFile::Open(file); }
    bool Put(QSaveFile& file, const QByteArray& bytes) override {
        if (failAt != "put") return AtomicFile::Put(file, bytes);
        file.write(bytes.left(bytes.size() / 2));
        return false;
    }
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

void PoolStoreTest::twoCopiesKeepEachOthersPools_data() {
    QTest::addColumn<QList<PoolEdit>>("mine");
    QTest::addColumn<QStringList>("names");  // the file after both saved, in order
    const auto row = [](const char* name, const QList<PoolEdit>& mine, const QStringList& names) {
        QTest::newRow(name) << mine << names;
    };
    // Both copies start from A and B; the other saves Theirs before this one saves.
    row("put", {PoolEdit::Put(Pool("Mine"))}, {"A", "B", "Theirs", "Mine"});
    row("remove", {PoolEdit::Remove("A")}, {"B", "Theirs"});
    row("rename", {PoolEdit::Rename("A", Pool("Z"))}, {"Z", "B", "Theirs"});
    row("renameOntoTheirs", {PoolEdit::Rename("A", Pool("Theirs", 9))}, {"Theirs", "B"});
    row("moveDown", {PoolEdit::Move("A", 1)}, {"B", "A", "Theirs"});
    row("moveUpFromTheTop", {PoolEdit::Move("A", -1)}, {"A", "B", "Theirs"});
    row("restore", {PoolEdit::Remove("A"), PoolEdit::Restore(Pool("A"), 0)}, {"A", "B", "Theirs"});
}

void PoolStoreTest::twoCopiesKeepEachOthersPools() {
    QFETCH(QList<PoolEdit>, mine);
    QFETCH(QStringList, names);
    Rig rig;
    rig.pools.Make(PoolEdit::Put(Pool("A")));
    rig.pools.Make(PoolEdit::Put(Pool("B")));
    rig.pools.Write(PoolStore::IfUnreadable::Refuse);
    AtomicFile writer;
    PoolStore otherStore(rig.path, writer, 0);
    SavedPools other(otherStore);
    other.Load();

    other.Make(PoolEdit::Put(Pool("Theirs")));
    QCOMPARE(other.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Saved);
    for (const PoolEdit& edit : mine) rig.pools.Make(edit);
    QCOMPARE(rig.pools.Write(PoolStore::IfUnreadable::Refuse).status, PoolStore::Status::Saved);
    QStringList saved;
    for (const SavedPool& pool : rig.store.Read().pools) saved << pool.Name;
    QCOMPARE(saved, names);
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
