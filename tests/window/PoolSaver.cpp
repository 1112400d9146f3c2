// One of two programs saving pools into the same file at once: saves COUNT
// pools named PREFIX1, PREFIX2, ... one save each, and fails unless every
// save lands.
#include <QCoreApplication>
#include <cstdio>

#include "window/common/AtomicFile.h"
#include "window/pools/PoolStore.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fputs("usage: pool_saver FILE PREFIX COUNT\n", stderr);
        return 2;
    }
    corvane::AtomicFile writer;
    corvane::PoolStore store(args[1], writer);
    for (int i = 1; i <= args[3].toInt(); ++i) {
        const corvane::SavedPool pool{args[2] + QString::number(i), corvane::Int16(3),
                                      corvane::Int16(4)};
        const auto outcome =
            store.Save({corvane::PoolEdit::Put(pool)}, corvane::PoolStore::IfUnreadable::Refuse);
        if (outcome.status != corvane::PoolStore::Status::Saved) return 1;
    }
    return 0;
}
