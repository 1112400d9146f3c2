// Build tool: renders the vector dice drawing, each size drawn from the
// vectors at its own pixels, so every one is sharp.
//
//   corvane-render-icons png ICON.svg OUTPUT_DIR SIZE...
//       the icon with its margin, as OUTPUT_DIR/<SIZE>x<SIZE>/corvane-dice.png
//   corvane-render-icons ico ICON.svg OUTPUT.ico SIZE...
//       the same sizes in one Windows icon file
//   corvane-render-icons drawing ICON.svg SQUARE OUTPUT_DIR PIXELS...
//       only the drawing's own square (0 to SQUARE in the drawing's units, the
//       window's picture) as OUTPUT_DIR/dice-<PIXELS>.rgba: the bare pixels,
//       row by row, four premultiplied bytes each in the order R, G, B, A, so
//       that the window needs no image reader to show them

#include <QDir>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

#include "IcoFile.h"

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "corvane-render-icons: %s\n", qPrintable(message));
    return 1;
}

QImage Render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The positive whole numbers among the arguments, or none if one is not.
QList<int> Sizes(char* arguments[], int count) {
    QList<int> sizes;
    for (int i = 0; i < count; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(arguments[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) return {};
        sizes.append(size);
    }
    return sizes;
}

bool SaveBarePixels(const QImage& image, const QString& path) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QSaveFile file(path);
    const auto bytes = static_cast<qint64>(pixels.sizeInBytes());
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(pixels.constBits()), bytes) == bytes &&
           file.commit();
}

// Each size as a file of its own: PNG icons, or the drawing's bare pixels.
int RenderEach(QSvgRenderer& renderer, bool drawing, const QString& output,
               const QList<int>& sizes) {
    for (int size : sizes) {
        const QDir folder(drawing ? output : output + QStringLiteral("/%1x%1").arg(size));
        const QString path = folder.filePath(drawing ? QStringLiteral("dice-%1.rgba").arg(size)
                                                     : QStringLiteral("corvane-dice.png"));
        const QImage image = Render(renderer, size);
        const bool saved = folder.mkpath(QStringLiteral(".")) &&
                           (drawing ? SaveBarePixels(image, path) : image.save(path, "PNG"));
        if (!saved) return Fail(QStringLiteral("cannot write ") + path);
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString usage = QStringLiteral(
        "usage: png|ico ICON.svg OUTPUT SIZE... or drawing ICON.svg SQUARE OUTPUT_DIR PIXELS...");
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool drawing = mode == QStringLiteral("drawing");
    const int first = drawing ? 5 : 4;
    const QList<int> sizes = argc > first ? Sizes(argv + first, argc - first) : QList<int>();
    if (sizes.isEmpty()) return Fail(usage);
    const QString iconPath = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(iconPath);
    if (!renderer.isValid()) return Fail(QStringLiteral("cannot read ") + iconPath);
    const QString output = QString::fromLocal8Bit(argv[first - 1]);

    if (mode == QStringLiteral("ico")) {
        QList<QImage> images;
        for (int size : sizes) images.append(Render(renderer, size));
        if (!corvane::IcoFile::Write(images, output)) {
            return Fail(QStringLiteral("cannot write ") + output);
        }
        return 0;
    }
    if (drawing) {
        const QList<int> square = Sizes(argv + 3, 1);
        if (square.isEmpty()) return Fail(usage);
        renderer.setViewBox(QRectF(0, 0, square[0], square[0]));
    } else if (mode != QStringLiteral("png")) {
        return Fail(usage);
    }
    return RenderEach(renderer, drawing, output, sizes);
}
