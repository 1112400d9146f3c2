#include "window/roller/DiceDrawing.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace corvane::DiceDrawing {
namespace {

// Compiled in rather than read from a resource: reading an image file makes Qt
// load every image-format plugin, which start-up would pay for.
#include "window/resources/dice.xpm"

constexpr int kDrawingPixels = 32;

// The vector file keeps a desktop icon's margin around the dice; the window
// shows only the drawing's own square, the one the pixel version fills.
QImage VectorDrawing(int pixels) {
    QSvgRenderer renderer(QStringLiteral(":/resources/dice.svg"));
    renderer.setViewBox(QRectF(0, 0, kDrawingPixels, kDrawingPixels));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

}  // namespace

QImage ForRatio(qreal ratio) {
    // Only a screen that needs more pixels pays for reading the vector file.
    if (ratio <= 1) return QImage(dice_xpm);
    const int pixels = qRound(kDrawingPixels * ratio);
    QImage drawing = VectorDrawing(pixels);
    drawing.setDevicePixelRatio(static_cast<qreal>(pixels) / kDrawingPixels);
    return drawing;
}

QPixmap Picture(qreal ratio, const QColor& background) {
    const QImage drawing = ForRatio(ratio);
    QImage picture(drawing.size(), QImage::Format_RGB32);
    picture.fill(background);
    QPainter painter(&picture);
    painter.drawImage(QRect(QPoint(0, 0), drawing.size()), drawing);
    painter.end();
    picture.setDevicePixelRatio(drawing.devicePixelRatio());
    return QPixmap::fromImage(picture);
}

QIcon Icon(qreal ratio) { return QIcon(QPixmap::fromImage(ForRatio(ratio))); }

}  // namespace corvane::DiceDrawing
