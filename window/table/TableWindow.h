#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace corvane {

class Announcer;
class Settings;
class StatusLine;
class TableSession;

// "Table": host a table or join one, and see who sits at it. The name is
// kept in the settings only when the player ticks "Remember my name".
class TableWindow final : public QWidget {
    Q_OBJECT
public:
    TableWindow(TableSession& session, Settings& settings, Announcer& announcer, QWidget* parent);

    QSize sizeHint() const override;
    // News of the table, on this window's status line.
    void Tell(const QString& text);

    QListWidget* Members() const { return members_; }

private:
    QWidget* MakeSetup();
    void SetupActions();
    void HostTable();
    void JoinTable();
    void RemoveSelected();
    // The name to sit down with, kept when asked; nothing, and said why, for
    // one the table cannot take.
    std::optional<std::string> ChosenName();
    void ShowTable();

    TableSession& session_;
    Settings& settings_;
    QLineEdit* name_;
    QCheckBox* remember_;
    QSpinBox* port_;
    QLineEdit* hostCode_;
    QLineEdit* address_;
    QLineEdit* joinCode_;
    QPushButton* host_;
    QPushButton* join_;
    QLabel* where_;
    QListWidget* members_;
    QPushButton* remove_;
    QPushButton* leave_;
    QLabel* status_;
    StatusLine* statusLine_;
};

}  // namespace corvane
