#pragma once

#include <QList>
#include <QStringList>

#include "window/common/Dialogs.h"

namespace corvane::testing_support {

// Answers every dialog from a script and notes what it was asked, so that a
// test never waits on a real one.
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind;  // "ask", "warn", "text", "save" or "open"
        QString text;
    };

    Answer Ask(QWidget*, const QString&, const QString& text, bool withCancel) override {
        shown << Shown{QStringLiteral("ask"), text};
        if (answers.isEmpty()) return withCancel ? Answer::Cancel : Answer::No;
        return answers.takeFirst();
    }
    void Warn(QWidget*, const QString&, const QString& text) override {
        shown << Shown{QStringLiteral("warn"), text};
    }
    std::optional<QString> AskText(QWidget*, const QString&, const QString&,
                                   const QString& text) override {
        shown << Shown{QStringLiteral("text"), text};
        if (typed.isEmpty()) return std::nullopt;
        return typed.takeFirst();
    }
    QString FileToSave(QWidget*, const QString&, const QString& name, const QStringList& filters,
                       QString* filter) override {
        shown << Shown{QStringLiteral("save"), name};
        if (filter) *filter = filters.value(filterChosen);
        return fileToSave;
    }
    QString FileToOpen(QWidget*, const QString&, const QStringList&) override {
        shown << Shown{QStringLiteral("open"), {}};
        return fileToOpen;
    }

    // The texts of what was shown of one kind.
    QStringList Texts(const QString& kind) const {
        QStringList texts;
        for (const Shown& dialog : shown) {
            if (dialog.kind == kind) texts << dialog.text;
        }
        return texts;
    }

    QList<Answer> answers;           // for Ask, in turn; No (or Cancel) when none is left
    QStringList typed;               // for AskText, in turn; cancelled when none is left
    QString fileToSave, fileToOpen;  // empty: cancelled
    int filterChosen = 0;
    QList<Shown> shown;
};

}  // namespace corvane::testing_support
