#include "window/pools/PoolKeeper.h"

#include <QFileInfo>
#include <functional>

#include "engine/Limits.h"
#include "engine/Roller.h"
#include "window/common/Announcer.h"
#include "window/common/Dialogs.h"
#include "window/common/NumberFormat.h"
#include "window/common/StatusLine.h"
#include "window/pools/PoolMessages.h"

namespace corvane {
namespace {

QString Title() { return PoolKeeper::tr("Saved Pools"); }

// The name of a saved pool that rolls the same, to offer again.
QString NameOf(const SavedPoolList& pools, const SavedPool& pool) {
    for (const SavedPool& saved : pools) {
        if (RollsAlike(saved, pool)) return saved.Name;
    }
    return {};
}

}  // namespace

PoolKeeper::PoolKeeper(const QString& path, Dialogs& dialogs, Announcer& announcer)
    : dialogs_(dialogs), announcer_(announcer), store_(path, writer_), pools_(store_, this) {
    connect(&pools_, &SavedPools::changed, this, &PoolKeeper::changed);
}

void PoolKeeper::Load(QWidget* parent) {
    if (loaded_) return;
    loaded_ = true;
    pools_.Load();
    if (pools_.Loaded().problem != PoolFileProblem::None) {
        Warn(parent, PoolMessages::Unreadable(pools_.Path(), pools_.Loaded()));
    }
}

PoolKeeper::Result PoolKeeper::SaveFromFields(std::string_view diceText,
                                              std::string_view targetText, QWidget* parent) {
    Load(parent);
    // As the roller reads them: at least one die.
    const std::optional<Int16> dice = TryDiceCountOf(diceText);
    const std::optional<Int16> target = TryFieldNumber(targetText);
    if (!dice || !target || !RollableDiceCount(*dice)) {
        return Warn(
            parent,
            tr("Nothing saved: a pool has %1 to %2 dice and a target from %3 to %4.")
                .arg(GroupedCount(kLeastDice.Value()), GroupedCount(kMostDice.Value()),
                     GroupedCount(kLowestTarget.Value()), GroupedCount(kHighestTarget.Value())));
    }
    SavedPool pool{{}, *dice, *target};
    //: %1 is what the pool rolls: "7 dice at target 4".
    const QString ask = tr("Name for %1:").arg(PoolRollText(pool.Dice, pool.Target));
    const std::optional<QString> name =
        AskName(parent, tr("Save Pool"), ask, NameOf(pools_.List(), pool), [&](const QString& n) {
            const qsizetype existing = IndexOfPool(pools_.List(), n);
            return existing < 0 ||
                   dialogs_.Ask(
                       parent, tr("Save Pool"),
                       tr("Replace the saved pool \"%1\"?").arg(PoolText(pools_.List()[existing])),
                       false) == Dialogs::Answer::Yes;
        });
    if (!name) return {};
    pool.Name = *name;
    return Change({PoolEdit::Put(pool)}, tr("Pool saved."), parent);
}

std::optional<QString> PoolKeeper::AskName(QWidget* parent, const QString& title,
                                           const QString& ask, QString typed,
                                           const std::function<bool(const QString&)>& mayTake) {
    QString label = ask;
    for (;;) {
        const std::optional<QString> answer = dialogs_.AskText(parent, title, label, typed);
        if (!answer) return std::nullopt;
        typed = *answer;
        const std::optional<QString> name = PoolName(typed);
        if (name && mayTake(*name)) return name;
        label = (name ? tr("There is a pool named \"%1\" already.").arg(Isolated(*name))
                      : tr("A name has 1 to %1 characters.").arg(kLongestPoolName)) +
                QLatin1Char('\n') + ask;
    }
}

PoolKeeper::Result PoolKeeper::Change(const QList<PoolEdit>& edits, const QString& done,
                                      QWidget* parent) {
    Load(parent);
    SavedPoolList trial = pools_.List();
    for (const PoolEdit& edit : edits) {
        const EditResult result = Apply(trial, edit);
        if (result == EditResult::Full) {
            return Warn(parent, PoolMessages::Full());
        }
        if (result != EditResult::Made) {
            return Warn(parent, PoolMessages::Conflicts({PoolStore::Conflict::Of(edit, result)}));
        }
    }
    for (const PoolEdit& edit : edits) pools_.Make(edit);
    return Write(done, parent);
}

PoolKeeper::Result PoolKeeper::Write(const QString& done, QWidget* parent) {
    PoolStore::Outcome outcome = pools_.Write(PoolStore::IfUnreadable::Refuse);
    if (outcome.status == PoolStore::Status::Unreadable) {
        if (dialogs_.Ask(parent, Title(),
                         PoolMessages::SetAsideQuestion(pools_.Path(), outcome.found),
                         false) != Dialogs::Answer::Yes) {
            return {false, tr("Not saved: kept until you close the program.")};
        }
        outcome = pools_.Write(PoolStore::IfUnreadable::SetAside);
    }
    if (outcome.status != PoolStore::Status::Saved) {
        return Warn(parent, PoolMessages::NotWritten(pools_.Path(), outcome));
    }
    // What could be made is written either way; a conflict's warning says
    // what could not, in place of the news.
    Result result{true, done};
    if (!outcome.conflicts.isEmpty()) {
        Warn(parent, PoolMessages::Conflicts(outcome.conflicts));
        result.news.clear();
    }
    if (!outcome.setAside.isEmpty()) Warn(parent, PoolMessages::SetAside(outcome.setAside));
    // Another copy filled the list meanwhile.
    if (outcome.refused > 0) Warn(parent, PoolMessages::Full());
    return result;
}

PoolKeeper::Result PoolKeeper::Rename(const QString& name, QWidget* parent) {
    Load(parent);
    if (IndexOfPool(pools_.List(), name) < 0) return {};
    const std::optional<QString> renamed =
        AskName(parent, tr("Rename Pool"), tr("New name of the pool:"), name,
                [&](const QString& n) { return n == name || IndexOfPool(pools_.List(), n) < 0; });
    if (!renamed || *renamed == name) return {};
    return Change({PoolEdit::Rename(name, *renamed)}, tr("Pool renamed."), parent);
}

PoolKeeper::Result PoolKeeper::Export(QWidget* parent) {
    Load(parent);
    const QString chosen = dialogs_.FileToSave(
        parent, tr("Export Pools"), QStringLiteral("pools.json"), {tr("Pools (*.json)")}, nullptr);
    if (chosen.isEmpty()) return {};
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
    if (!dialogs_.MayReplace(parent, tr("Export Pools"), chosen, path)) return {};
    if (const std::optional<QString> error = writer_.Write(path, PoolFileBytes(pools_.List()))) {
        return Warn(parent, tr("The pools could not be exported to %1: %2.").arg(path, *error));
    }
    return {true, tr("Pools exported.")};
}

PoolKeeper::Result PoolKeeper::Import(QWidget* parent) {
    Load(parent);
    const QString path = dialogs_.FileToOpen(parent, tr("Import Pools"), {tr("Pools (*.json)")});
    if (path.isEmpty()) return {};
    const std::optional<SavedPoolList> imported = ReadImport(path, parent);
    if (!imported) return {};
    QList<PoolEdit> fresh, clashing;
    QStringList clashes;
    for (const SavedPool& pool : *imported) {
        const qsizetype existing = IndexOfPool(pools_.List(), pool.Name);
        if (existing < 0) fresh << PoolEdit::Put(pool);
        if (existing < 0 || RollsAlike(pools_.List()[existing], pool)) continue;
        clashing << PoolEdit::Put(pool);
        const SavedPool& mine = pools_.List()[existing];
        //: One pool of the same name on both sides: %1 its name, %2 and %3 what each rolls.
        clashes << tr("%1: yours %2, imported %3")
                       .arg(Isolated(pool.Name), PoolRollText(mine.Dice, mine.Target),
                            PoolRollText(pool.Dice, pool.Target));
    }
    if (!clashes.isEmpty()) {
        const QString question =
            tr("Already in your list under the same name:") + QLatin1Char('\n') +
            clashes.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
            tr("Yes: take the imported ones. No: keep yours and import the rest. Cancel: import "
               "nothing.");
        const Dialogs::Answer answer = dialogs_.Ask(parent, tr("Import Pools"), question, true);
        if (answer == Dialogs::Answer::Cancel) return {};
        if (answer == Dialogs::Answer::Yes) fresh << clashing;
    }
    //: %1 is "1 pool" or "4 pools".
    return Change(fresh, tr("%1 imported.").arg(PoolCount(static_cast<int>(fresh.size()))), parent);
}

std::optional<SavedPoolList> PoolKeeper::ReadImport(const QString& path, QWidget* parent) {
    const PoolFileContent content = ReadPoolsAt(path);
    if (content.problem == PoolFileProblem::None) return content.pools;
    Warn(parent, tr("Nothing imported: %1 cannot be read as saved pools, because %2.")
                     .arg(path, PoolMessages::Problem(content)));
    return std::nullopt;
}

PoolKeeper::Result PoolKeeper::Warn(QWidget* parent, const QString& text) {
    announcer_.Announce(text);
    dialogs_.Warn(parent, Title(), text);
    return {};
}

bool TellOn(StatusLine* line, const PoolKeeper::Result& result) {
    if (line && !result.news.isEmpty()) line->Tell(result.news);
    return result.done;
}

}  // namespace corvane
