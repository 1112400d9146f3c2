#pragma once

#include "window/common/Dialogs.h"

namespace corvane {

// The dialogs as Qt's boxes. The file dialogs are Qt's own, which remember
// nothing between runs: Qt would keep their last folder and history in a
// settings file, and this program writes only what the player saves.
class QtDialogs final : public Dialogs {
public:
    QtDialogs();

    Answer Ask(QWidget* parent, const QString& title, const QString& text,
               bool withCancel) override;
    void Warn(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;
    QString FileToSave(QWidget* parent, const QString& title, const QString& name,
                       const QStringList& filters, QString* filter) override;
    QString FileToOpen(QWidget* parent, const QString& title, const QStringList& filters) override;
};

}  // namespace corvane
