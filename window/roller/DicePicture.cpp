#include "window/roller/DicePicture.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPixmap>

#include "window/roller/DiceDrawing.h"

namespace corvane {

DicePicture::DicePicture(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ShowDrawing();
}

QIcon DicePicture::WindowIcon() { return DiceDrawing::Icon(qGuiApp->devicePixelRatio()); }

void DicePicture::ShowDrawing() {
    // The colour the window paints behind the picture, so that in a dark theme
    // the dice stand on the dark window rather than on a white square.
    const QRgb background = palette().color(backgroundRole()).rgb();
    const qreal ratio = devicePixelRatioF();
    if (ratio == shownRatio_ && background == shownBackground_) return;
    shownRatio_ = ratio;
    shownBackground_ = background;
    setPixmap(DiceDrawing::Picture(ratio, QColor::fromRgb(background)));
}

void DicePicture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) ShowDrawing();
    QLabel::changeEvent(event);
}

void DicePicture::paintEvent(QPaintEvent* event) {
    // A window moved to a screen with another pixel ratio only repaints; the
    // picture follows it here (setting it asks for one more repaint).
    ShowDrawing();
    QLabel::paintEvent(event);
}

void DicePicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

}  // namespace corvane
