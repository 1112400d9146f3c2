#pragma once

#include <QLabel>

class QIcon;

namespace corvane {

// The dice drawing on white, at its natural size; a double click asks for the
// about box.
class DicePicture final : public QLabel {
    Q_OBJECT
public:
    explicit DicePicture(QWidget* parent = nullptr);

    // The same drawing with everything outside the dice transparent.
    static QIcon WindowIcon();

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace corvane
