#pragma once

#include <QLabel>

class QIcon;

namespace corvane {

// The dice drawing on the window's background, at its natural size and sharp
// at the screen's pixel ratio; a double click asks for the about box.
class DicePicture final : public QLabel {
    Q_OBJECT
public:
    explicit DicePicture(QWidget* parent = nullptr);

    // The same drawing with everything outside the dice transparent, for the
    // sharpest screen attached.
    static QIcon WindowIcon();

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowDrawing();

    qreal shownRatio_ = 0;
    QRgb shownBackground_ = 0;
};

}  // namespace corvane
