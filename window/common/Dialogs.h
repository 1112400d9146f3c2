#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace corvane {

// The questions and warnings the windows put to the player, and the file
// dialogs. The program answers them with Qt's boxes (QtDialogs); tests answer
// them with a script, so that no test ever waits on a real dialog.
class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;
    // Yes or No, and Cancel too when `withCancel`; closing the box is No, or
    // Cancel where there is one.
    virtual Answer Ask(QWidget* parent, const QString& title, const QString& text,
                       bool withCancel) = 0;
    virtual void Warn(QWidget* parent, const QString& title, const QString& text) = 0;
    // A line of text such as a name, starting as `text`; nothing when cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& text) = 0;
    // A file to write, suggested as `name` in the home folder; empty when
    // cancelled. `filter` gives the filter chosen, one of `filters`.
    virtual QString FileToSave(QWidget* parent, const QString& title, const QString& name,
                               const QStringList& filters, QString* filter) = 0;
    // A file to read, from the home folder; empty when cancelled.
    virtual QString FileToOpen(QWidget* parent, const QString& title,
                               const QStringList& filters) = 0;

    // Whether a save may write `written`: the file chosen as `chosen`, with
    // the ending the program added. The file dialog asked before replacing
    // the file it was given; another file that the ending names is asked
    // about here.
    bool MayReplace(QWidget* parent, const QString& title, const QString& chosen,
                    const QString& written);
};

// The ending a filter of a file dialog names first: "txt" for "Plain text (*.txt)".
QString FilterEnding(const QString& filter);

}  // namespace corvane
