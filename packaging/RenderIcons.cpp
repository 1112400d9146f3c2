// Build tool: renders the scalable dice icon as the PNG sizes desktops look
// for, each drawn from the vector drawing at its own size.
//
//   corvane-render-icons ICON.svg OUTPUT_DIR SIZE...
//
// writes OUTPUT_DIR/<SIZE>x<SIZE>/corvane-dice.png for every SIZE.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "corvane-render-icons: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) return Fail(QStringLiteral("usage: ICON.svg OUTPUT_DIR SIZE..."));
    const QString iconPath = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(iconPath);
    if (!renderer.isValid()) return Fail(QStringLiteral("cannot read ") + iconPath);

    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) return Fail(QStringLiteral("not a size: ") + argv[i]);

        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        renderer.render(&painter);
        painter.end();

        const QString folder = QStringLiteral("%1x%1").arg(size);
        const QString path = output.filePath(folder + QStringLiteral("/corvane-dice.png"));
        if (!output.mkpath(folder) || !icon.save(path, "PNG")) {
            return Fail(QStringLiteral("cannot write ") + path);
        }
    }
    return 0;
}
