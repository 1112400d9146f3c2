#pragma once

#include <QObject>

class QLineEdit;

namespace corvane {

// A click into a field that does not have the focus selects its whole text,
// as entering it by Tab does, so typing replaces the old value. The click
// that brought the focus does not also place the cursor; the next one does.
class FirstClickSelects final : public QObject {
    Q_OBJECT
public:
    // Watches the field for as long as it lives.
    explicit FirstClickSelects(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
    // The focus just came by a click, and that click is still going on.
    bool focusingClick_ = false;
};

}  // namespace corvane
