#include "window/common/QtDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>

namespace corvane {
namespace {

// Not the desktop's dialog, which keeps its own history of recent files.
constexpr QFileDialog::Options kForgetful = QFileDialog::DontUseNativeDialog;

QString Filter(const QStringList& filters) { return filters.join(QStringLiteral(";;")); }

}  // namespace

QtDialogs::QtDialogs() {
    // Qt's file dialog saves its state in the user's settings when it closes.
    // Pointed at a place no file can be made in, it saves nothing; within a
    // run it still remembers its last folder.
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    }
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
    return QFileDialog::getOpenFileName(parent, title, QDir::homePath(), Filter(filters), nullptr,
                                        kForgetful);
}

}  // namespace corvane
