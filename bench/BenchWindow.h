#pragma once

#include <QDir>

#include "runtime/Alerts.h"
#include "window/common/Dialogs.h"

namespace corvane::bench {

// The window's boxes, silent: a benchmark asks nothing and is told nothing.
class SilentAlerts final : public Alerts {
public:
    void Beep() override {}
    void ShowMessage(std::string_view, std::string_view) override {}
};

class NoDialogs final : public Dialogs {
public:
    Answer Ask(QWidget*, const QString&, const QString&, bool) override { return Answer::No; }
    void Warn(QWidget*, const QString&, const QString&) override {}
    std::optional<QString> AskText(QWidget*, const QString&, const QString&,
                                   const QString&) override {
        return std::nullopt;
    }
    QString FileToSave(QWidget*, const QString&, const QString&, const QStringList&,
                       QString*) override {
        return {};
    }
    QString FileToOpen(QWidget*, const QString&, const QStringList&) override { return {}; }
};

// A pools file that is not there, as for a player who never saved one.
inline QString NoPoolsFile() {
    return QDir::temp().filePath(QStringLiteral("corvane-bench-no-pools/pools.json"));
}

}  // namespace corvane::bench
