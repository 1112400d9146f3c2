#pragma once

#include <QList>

class QImage;
class QString;

namespace corvane {

// A Windows icon file holding one image per size, as Windows picks from it:
// the large sizes as PNG, the smaller ones as 32-bit bitmaps with their mask.
class IcoFile {
public:
    // Writes the square images (at most 256 pixels each) to path.
    static bool Write(const QList<QImage>& images, const QString& path);
};

}  // namespace corvane
