#include "window/common/QtDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace corvane {
namespace {

// Not the desktop's dialog, which keeps its own history of recent files.
constexpr QFileDialog::Options kForgetful = QFileDialog::DontUseNativeDialog;

QString Filter(const QStringList& filters) { return filters.join(QStringLiteral(";;")); }

// Qt's file dialog keeps its last folder and history in Qt's own settings as
// it closes. On Windows they go to the registry, which no settings path
// reaches: whatever the dialog made there is taken out again once it closes.
class DialogTraceRemoved {
public:
    DialogTraceRemoved();
    ~DialogTraceRemoved();
    DialogTraceRemoved(const DialogTraceRemoved&) = delete;
    DialogTraceRemoved& operator=(const DialogTraceRemoved&) = delete;

private:
#ifdef Q_OS_WIN
    static constexpr const wchar_t* kKey = L"Software\\QtProject";
    bool existed_ = false;
#endif
};

#ifdef Q_OS_WIN
DialogTraceRemoved::DialogTraceRemoved() {
    HKEY key = nullptr;
    existed_ = RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (existed_) RegCloseKey(key);
}

DialogTraceRemoved::~DialogTraceRemoved() {
    if (!existed_) RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}
#else
DialogTraceRemoved::DialogTraceRemoved() = default;
DialogTraceRemoved::~DialogTraceRemoved() = default;
#endif

}  // namespace

QtDialogs::QtDialogs() {
#ifndef Q_OS_WIN
    // Elsewhere Qt's settings are files: pointed at the program's read-only
    // resources, the dialog saves nothing, and within a run it still
    // remembers its last folder. The program's own settings are not Qt's
    // (see Settings), so nothing else is lost by it.
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral(":/nowhere"));
    }
#endif
}

Dialogs::Answer QtDialogs::Ask(QWidget* parent, const QString& title, const QString& text,
                               bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(parent, title, text, buttons,
                                  withCancel ? QMessageBox::Cancel : QMessageBox::No)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return withCancel ? Answer::Cancel : Answer::No;
    }
}

void QtDialogs::Warn(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

std::optional<QString> QtDialogs::AskText(QWidget* parent, const QString& title,
                                          const QString& label, const QString& text) {
    bool accepted = false;
    const QString typed =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &accepted);
    if (!accepted) return std::nullopt;
    return typed;
}

QString QtDialogs::FileToSave(QWidget* parent, const QString& title, const QString& name,
                              const QStringList& filters, QString* filter) {
    const DialogTraceRemoved untraced;
    QFileDialog dialog(parent, title, QDir::home().filePath(name), Filter(filters));
    dialog.setOptions(kForgetful);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an ending gets the chosen filter's, before the
    // dialog asks whether to replace the file: so it asks about the file
    // that is really written.
    const auto follow = [&dialog](const QString& chosen) {
        dialog.setDefaultSuffix(FilterEnding(chosen));
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    if (filter) *filter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::FileToOpen(QWidget* parent, const QString& title, const QStringList& filters) {
    const DialogTraceRemoved untraced;
    return QFileDialog::getOpenFileName(parent, title, QDir::homePath(), Filter(filters), nullptr,
                                        kForgetful);
}

}  // namespace corvane
