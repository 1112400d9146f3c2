#include "window/DicePicture.h"

#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace corvane {
namespace {

// Compiled in rather than read from a resource: reading an image file makes Qt
// load every image-format plugin, which start-up would pay for.
#include "window/resources/dice.xpm"

QImage DiceDrawing() { return QImage(dice_xpm); }

QPixmap DrawingOnWhite() {
    const QImage drawing = DiceDrawing();
    QImage picture(drawing.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, drawing);
    return QPixmap::fromImage(picture);
}

}  // namespace

DicePicture::DicePicture(QWidget* parent) : QLabel(parent) {
    setPixmap(DrawingOnWhite());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QIcon DicePicture::WindowIcon() { return QIcon(QPixmap::fromImage(DiceDrawing())); }

void DicePicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

}  // namespace corvane
