#include "window/roller/DiceDrawing.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdlib>

namespace corvane::DiceDrawing {
namespace {

// Compiled in rather than read from a resource: reading an image file makes Qt
// load every image-format plugin, which start-up would pay for.
#include "window/resources/dice.xpm"

constexpr int kDrawingPixels = 32;

// The renderings the build made, as bare pixels (so no image reader runs):
// :/dice/dice-<pixels>.rgba, four premultiplied bytes a pixel, R, G, B, A.
QImage Rendering(int pixels) {
    QFile file(QStringLiteral(":/dice/dice-%1.rgba").arg(pixels));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() != qsizetype{pixels} * pixels * 4) return {};
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()), pixels, pixels, pixels * 4,
                  QImage::Format_RGBA8888_Premultiplied)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The size rendered nearest to the one asked for; the hand-set 32 pixels count.
int NearestRendered(int pixels) {
    int nearest = kDrawingPixels;
    const QStringList names = QDir(QStringLiteral(":/dice")).entryList();
    for (const QString& name : names) {
        const int rendered = name.section(u'-', 1).section(u'.', 0, 0).toInt();
        if (std::abs(rendered - pixels) < std::abs(nearest - pixels)) nearest = rendered;
    }
    return nearest;
}

}  // namespace

QImage ForRatio(qreal ratio) {
    const int pixels = qRound(kDrawingPixels * ratio);
    const int nearest = NearestRendered(pixels);
    QImage drawing = nearest == kDrawingPixels ? QImage(dice_xpm) : Rendering(nearest);
    if (nearest != pixels) {
        drawing = drawing.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
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
