// Every save the player can make, failed below Qt and the program by what a
// full or failing disk answers: the old file stays as it was, the message
// says why, nothing is left behind, and the next save works. The faults are
// given to the C library's calls on the saved files (not the locks beside
// them), which this program stands in for; Linux lets a program do that.
#include <dlfcn.h>
#include <unistd.h>

#include <QDir>
#include <QtTest>
#include <cerrno>

#include "FileBytes.h"
#include "WindowRig.h"

namespace {

enum class Fault { None, NoSpaceAfterHalf, Write, Sync, Rename };
Fault fault = Fault::None;
QByteArray faultyFolder;
bool wroteHalf = false;

bool Faulty(Fault kind, const QByteArray& path) {
    return fault == kind && path.startsWith(faultyFolder) && !path.endsWith(".lock");
}
bool Faulty(Fault kind, int fd) {
    if (fault != kind) return false;
    char path[4096];
    const ssize_t length = readlink("/proc/self/fd/" + QByteArray::number(fd), path, sizeof path);
    return length > 0 && Faulty(kind, QByteArray(path, length));
}
int Fail(int error) {
    errno = error;
    return -1;
}
template <class Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" ssize_t write(int fd, const void* bytes, size_t count) {
    static const auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    if (Faulty(Fault::Write, fd)) return Fail(EIO);
    if (!Faulty(Fault::NoSpaceAfterHalf, fd)) return real(fd, bytes, count);
    if (std::exchange(wroteHalf, true)) return Fail(ENOSPC);
    return real(fd, bytes, count / 2);
}
extern "C" int fdatasync(int fd) {
    static const auto real = Real<int (*)(int)>("fdatasync");
    return Faulty(Fault::Sync, fd) ? Fail(EIO) : real(fd);
}
extern "C" int rename(const char* from, const char* to) {
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    return Faulty(Fault::Rename, QByteArray(to)) ? Fail(EIO) : real(from, to);
}

namespace corvane {

using testing_support::Face;
using testing_support::FileBytes;
using testing_support::WindowRig;

namespace {

// Saves as the player saves `target`, with something new in it.
void Save(WindowRig& rig, const QString& target, const QString& path) {
    static int saves = 0;
    const QString name = QStringLiteral("Pool %1").arg(++saves);
    rig.random.Script({Face(3)});
    rig.ui.btnRoll->click();
    rig.dialogs.fileToSave = path;
    rig.dialogs.typed << name;
    if (target == "pools") {
        rig.window.Pools().SaveFromFields("3", "4", &rig.window);
    } else if (target == "export") {
        rig.window.Pools().Change({PoolEdit::Put({name, Int16(3), Int16(4)})}, {}, &rig.window);
        rig.window.Pools().Export(&rig.window);
    } else {
        QTest::keyClick(rig.OpenLog(), Qt::Key_S, Qt::ControlModifier);
    }
}

}  // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void aDiskFaultLeavesTheOldFileAndSaysWhy_data();
    void aDiskFaultLeavesTheOldFileAndSaysWhy();
};

void SaveFaultsTest::aDiskFaultLeavesTheOldFileAndSaysWhy_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("cause");
    for (const char* target : {"pools", "export", "log"}) {
        const auto row = [&](const char* name, Fault injected, const char* cause) {
            QTest::addRow("%s-%s", target, name) << target << int(injected) << cause;
        };
        row("noSpace", Fault::NoSpaceAfterHalf, "not enough space left on the disk (the file");
        row("writeFails", Fault::Write, "Input/output error");
        row("syncFails", Fault::Sync, "did not confirm that the file was written");
        row("renameFails", Fault::Rename, "Input/output error");
    }
}

void SaveFaultsTest::aDiskFaultLeavesTheOldFileAndSaysWhy() {
    QFETCH(QString, target);
    QFETCH(int, fault);
    QFETCH(QString, cause);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    // The pools file alone in its folder; the others in one of their own.
    const QDir folder(target == "pools" ? rig.config.path() : rig.config.filePath("saves"));
    QVERIFY(folder.mkpath("."));
    const QString path = target == "pools" ? rig.window.Pools().Path()
                         : target == "log" ? folder.filePath("saved.txt")
                                           : folder.filePath("saved.json");
    Save(rig, target, path);
    const QByteArray before = FileBytes(path);
    const QStringList files = folder.entryList(QDir::Files);

    ::fault = Fault(fault);
    faultyFolder = QFile::encodeName(folder.path());
    wroteHalf = false;
    Save(rig, target, path);
    ::fault = Fault::None;
    QCOMPARE(FileBytes(path), before);
    QCOMPARE(rig.dialogs.Texts("warn").size(), 1);
    const QString warning = rig.dialogs.Texts("warn")[0];
    QVERIFY2(warning.contains(cause) && !warning.contains(".."), qPrintable(warning));
    QCOMPARE(folder.entryList(QDir::Files), files);

    Save(rig, target, path);
    QCOMPARE(rig.dialogs.Texts("warn").size(), 1);
    QVERIFY(FileBytes(path) != before);
}

}  // namespace corvane

QTEST_MAIN(corvane::SaveFaultsTest)
#include "SaveFaultsTest.moc"
