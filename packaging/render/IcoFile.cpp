#include "IcoFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QImage>
#include <QSaveFile>
#include <QString>

namespace corvane {
namespace {

// Windows reads a 256-pixel entry only as PNG; below that, bitmaps are what
// every part of Windows reads.
constexpr int kPngFrom = 256;

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A BITMAPINFOHEADER, the colours bottom-up as BGRA, then the 1-bit mask of
// the transparent pixels, its rows padded to 32 bits.
QByteArray Bitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskRow = ((size + 31) / 32) * 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(size) << qint32(2 * size) << quint16(1) << quint16(32)
        << quint32(0) << quint32(size * size * 4 + maskRow * size) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) out << quint32(image.pixel(x, y));
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), maskRow);
    }
    return bytes;
}

}  // namespace

bool IcoFile::Write(const QList<QImage>& images, const QString& path) {
    QList<QByteArray> entries;
    for (const QImage& image : images) {
        if (image.width() != image.height() || image.width() > 256) return false;
        entries.append(image.width() >= kPngFrom ? Png(image) : Bitmap(image));
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        // A width and height of 0 stand for 256.
        out << quint8(size % 256) << quint8(size % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(entries[i].size()) << offset;
        offset += quint32(entries[i].size());
    }
    for (const QByteArray& entry : entries) out.writeRawData(entry.constData(), int(entry.size()));

    QSaveFile saved(path);
    return saved.open(QIODevice::WriteOnly) && saved.write(file) == file.size() && saved.commit();
}

}  // namespace corvane
