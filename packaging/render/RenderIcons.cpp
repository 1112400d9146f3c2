// Build tool: renders the vector dice drawing, each size drawn from the
// vectors at its own pixels, so every one is sharp.
//
//   corvane-render-icons png ICON.svg OUTPUT_DIR SIZE...
//       the icon with its margin, as OUTPUT_DIR/<SIZE>x<SIZE>/corvane-dice.png
//   corvane-render-icons ico ICON.svg OUTPUT.ico SIZE...
//       the same sizes in one Windows icon file
//   corvane-render-icons drawing ICON.svg SQUARE OUTPUT_DIR PIXELS...
//       only the drawing's own square (0 to SQUARE in the drawing's units, the
//       window's picture) as OUTPUT_DIR/dice-<PIXELS>.png

#include <QDir>
#include <QImage>
#include <QList>
#include <QPainter>
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

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    return folder.mkpath(QStringLiteral(".")) && image.save(folder.filePath(name), "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString usage = QStringLiteral(
        "usage: png|ico ICON.svg OUTPUT SIZE... or "
        "drawing ICON.svg SQUARE OUTPUT_DIR PIXELS...");
    if (argc < 5) return Fail(usage);
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString iconPath = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(iconPath);
    if (!renderer.isValid()) return Fail(QStringLiteral("cannot read ") + iconPath);

    const bool drawing = mode == QStringLiteral("drawing");
    const int first = drawing ? 5 : 4;
    const QList<int> sizes = Sizes(argv + first, argc - first);
    if (sizes.isEmpty() || (drawing && argc < 6)) return Fail(usage);
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
    for (int size : sizes) {
        const QDir folder(drawing ? output : output + QStringLiteral("/%1x%1").arg(size));
        const QString name =
            drawing ? QStringLiteral("dice-%1.png").arg(size) : QStringLiteral("corvane-dice.png");
        if (!Save(Render(renderer, size), folder, name)) {
            return Fail(QStringLiteral("cannot write ") + folder.filePath(name));
        }
    }
    return 0;
}
