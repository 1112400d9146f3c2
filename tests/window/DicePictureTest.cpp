#include <QApplication>
#include <QIcon>
#include <QtTest>

#include "WindowRig.h"
#include "window/roller/DiceDrawing.h"

namespace corvane {
namespace {

// The hand-set pixels, as the reference for what the vector drawing shows.
#include "window/resources/dice.xpm"

using testing_support::WindowRig;

const QImage kPixels = QImage(dice_xpm).convertToFormat(QImage::Format_ARGB32);

// Pixels of the two images (of one size) whose colours differ clearly.
int DifferingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            const int distance = std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                                 std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
            if (distance > 96) ++differing;
        }
    }
    return differing;
}

// Sets the application's palette for one test and puts the old one back.
struct PaletteForTest {
    explicit PaletteForTest(const QPalette& palette) { QApplication::setPalette(palette); }
    ~PaletteForTest() { QApplication::setPalette(saved); }
    QPalette saved = QApplication::palette();
};

QPalette DarkPalette() {
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x24));
    dark.setColor(QPalette::Window, QColor(0x32, 0x32, 0x38));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    return dark;
}

}  // namespace

class DicePictureTest : public QObject {
    Q_OBJECT
private slots:
    void drawingFitsTheScreensPixels_data();
    void drawingFitsTheScreensPixels();
    void drawingBetweenScalesTakesTheNearest_data();
    void drawingBetweenScalesTakesTheNearest();
    void windowShowsTheDrawingAtItsScreensRatio();
    void darkThemeKeepsTheDiceColours_data();
    void darkThemeKeepsTheDiceColours();
    void theBackgroundFollowsEveryPaletteChange();
    void windowHasNoMaximiseButton();
};

void DicePictureTest::drawingFitsTheScreensPixels_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("pixels");
    // Every display scale Windows offers.
    QTest::newRow("100%") << 1.0 << 32;
    for (int percent = 125; percent <= 350; percent += 25) {
        QTest::addRow("%d%%", percent) << percent / 100.0 << 32 * percent / 100;
    }
    QTest::newRow("400%") << 4.0 << 128;
}

void DicePictureTest::drawingFitsTheScreensPixels() {
    QFETCH(qreal, ratio);
    QFETCH(int, pixels);
    const QImage drawing = DiceDrawing::ForRatio(ratio).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(drawing.size(), QSize(pixels, pixels));
    QCOMPARE(drawing.devicePixelRatio(), ratio);
    if (ratio == 1) {
        QCOMPARE(drawing, kPixels);  // the hand-set pixels, exactly as they were
        return;
    }
    // Not the 32 pixels blown up, neither blocky nor smeared...
    const int total = pixels * pixels;
    const QImage blocky = kPixels.scaled(pixels, pixels);
    const QImage smeared =
        kPixels.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(DifferingPixels(drawing, blocky) > total / 50);
    QVERIFY(DifferingPixels(drawing, smeared) > total / 50);
    // ...but the same design: shrunk back to 32 pixels it nearly matches them.
    const QImage shrunk = drawing.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(DifferingPixels(shrunk, kPixels) < 32 * 32 / 10);
}

void DicePictureTest::drawingBetweenScalesTakesTheNearest_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<qreal>("nearest");
    QTest::newRow("just above 1") << 1.1 << 35 << 1.0;
    QTest::newRow("just below 1.25") << 1.2 << 38 << 1.25;
    QTest::newRow("between 3.5 and 4") << 3.8 << 122 << 4.0;
    QTest::newRow("above 4") << 5.0 << 160 << 4.0;
}

void DicePictureTest::drawingBetweenScalesTakesTheNearest() {
    QFETCH(qreal, ratio);
    QFETCH(int, pixels);
    QFETCH(qreal, nearest);
    const QImage drawing = DiceDrawing::ForRatio(ratio);
    // Still filling the screen's pixels, resized from the nearest scale's.
    QCOMPARE(drawing.size(), QSize(pixels, pixels));
    QCOMPARE(drawing.devicePixelRatio(), pixels / 32.0);
    QImage resized = DiceDrawing::ForRatio(nearest).scaled(pixels, pixels, Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation);
    resized.setDevicePixelRatio(drawing.devicePixelRatio());
    QCOMPARE(drawing.convertToFormat(QImage::Format_ARGB32),
             resized.convertToFormat(QImage::Format_ARGB32));
}

void DicePictureTest::windowShowsTheDrawingAtItsScreensRatio() {
    // ctest runs this program at ratio 1 and again at ratio 2 (QT_SCALE_FACTOR).
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    const qreal ratio = rig.window.devicePixelRatioF();
    const int pixels = qRound(32 * ratio);
    const QPixmap picture = rig.ui.Image1->pixmap();
    QCOMPARE(picture.size(), QSize(pixels, pixels));
    QCOMPARE(picture.devicePixelRatio(), ratio);
    // Painted one to one, not rescaled on the way to the screen.
    QCOMPARE(rig.ui.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32),
             picture.toImage().convertToFormat(QImage::Format_RGB32));
    const QPixmap icon = rig.window.windowIcon().pixmap(QSize(32, 32), ratio);
    QCOMPARE(icon.size(), QSize(pixels, pixels));
}

void DicePictureTest::darkThemeKeepsTheDiceColours_data() {
    QTest::addColumn<bool>("darkAtStart");
    QTest::newRow("startsDark") << true;
    QTest::newRow("turnsDarkWhileOpen") << false;
}

void DicePictureTest::darkThemeKeepsTheDiceColours() {
    QFETCH(bool, darkAtStart);
    const PaletteForTest theme(darkAtStart ? DarkPalette() : QApplication::palette());
    WindowRig rig;
    if (!darkAtStart) rig.window.setPalette(DarkPalette());
    // The window paints itself in the colour behind text fields.
    const QRgb background = DarkPalette().color(QPalette::Base).rgb();

    const QImage picture = rig.ui.Image1->pixmap().toImage();
    const qreal ratio = picture.devicePixelRatio();
    // The pixel of the picture that covers (x, y) of the 32-pixel drawing.
    const auto at = [&](qreal x, qreal y) {
        return picture.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    };
    const int last = picture.width() - 1;
    QCOMPARE(picture.pixel(last, 0) | 0xFF000000U, background);  // outside both dice
    QCOMPARE(picture.pixel(0, last) | 0xFF000000U, background);
    QCOMPARE(at(5.5, 11.5) | 0xFF000000U, qRgb(255, 0, 0));      // a face
    QCOMPARE(at(7.2, 13.2) | 0xFF000000U, qRgb(255, 255, 255));  // a pip
    QCOMPARE(at(0.2, 10.5) | 0xFF000000U, qRgb(0, 0, 0));        // an outline
}

void DicePictureTest::theBackgroundFollowsEveryPaletteChange() {
    WindowRig rig;
    const QColor light = QApplication::palette().color(QPalette::Base);
    // What the window shows where no control is: left of the reroll buttons,
    // between the outcome line and the picture.
    const auto blank = [&] {
        const QImage shown = rig.window.grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        return shown.pixelColor(static_cast<int>(20 * ratio), static_cast<int>(180 * ratio));
    };
    const auto pictureCorner = [&] {
        const QImage picture = rig.ui.Image1->pixmap().toImage();
        return picture.pixelColor(picture.width() - 1, 0);
    };
    QCOMPARE(blank(), light);
    {
        const PaletteForTest theme(DarkPalette());
        const QColor dark = DarkPalette().color(QPalette::Base);
        QTRY_COMPARE(blank(), dark);
        QCOMPARE(pictureCorner().rgb(), dark.rgb());
    }
    QTRY_COMPARE(blank(), light);
    QCOMPARE(pictureCorner().rgb(), light.rgb());
}

void DicePictureTest::windowHasNoMaximiseButton() {
    WindowRig rig;
    const Qt::WindowFlags flags = rig.window.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
}

}  // namespace corvane

QTEST_MAIN(corvane::DicePictureTest)
#include "DicePictureTest.moc"
