#pragma once

#include <QObject>

class QLineEdit;

namespace corvane {

// A click into a field that does not have the focus selects its whole text,
// as entering it by Tab does, so typing replaces the old value. The click
// that brought the focus does not also place the cursor; the next one does.
// So too in a field that has the focus, when its whole text is selected by
// the program (as the focus arrived, or after a roll rewrote it) and the
// player has not touched it since.
class FirstClickSelects final : public QObject {
    Q_OBJECT
public:
    // Watches the field for as long as it lives.
    explicit FirstClickSelects(QLineEdit* field);

    // Whether the field's selected text is the player's doing rather than
    // the program's; the window copies the roll otherwise.
    bool PlayerSelected() const;
    static const FirstClickSelects* Of(const QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
    // The focus just came by a click, and that click is still going on.
    bool focusingClick_ = false;
    // The player typed or clicked in the field since the program last set
    // its text or gave it the focus.
    bool touched_ = false;
};

}  // namespace corvane
