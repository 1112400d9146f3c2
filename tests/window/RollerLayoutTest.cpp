#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QtTest>

#include "DesignedCaptions.h"
#include "FileBytes.h"
#include "ShippedLanguages.h"
#include "WindowRig.h"
#include "engine/EveningLuck.h"
#include "engine/RollFailure.h"
#include "window/Translations.h"
#include "window/common/NumberFormat.h"
#include "window/common/StatusLine.h"
#include "window/log/EveningHeader.h"
#include "window/log/EveningText.h"
#include "window/log/RollLogWindow.h"
#include "window/pools/PoolsWindow.h"
#include "window/table/TableText.h"

namespace corvane {

using testing_support::kDesignedCaptions;
using testing_support::WindowRig;

class RollerLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void controlTable_data();
    void controlTable();
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();
    void poolAndLogMessagesFitTheirStatusLines_data();
    void poolAndLogMessagesFitTheirStatusLines();
    void boldLabelsUseABoldSansAtNineAndThreeQuarterPoints();
    void tabOrder();
    void screenReaderNames();
    void iconIsTransparentOutsideTheDiceAndThePictureIsOnWhite();
    void resizeLaysOutTheListAndStatusLine_data();
    void resizeLaysOutTheListAndStatusLine();
    void minimisingMovesNothing();
};

void RollerLayoutTest::controlTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("alignment");

    const int left = Qt::AlignLeft, right = Qt::AlignRight, centre = Qt::AlignHCenter;
    const QStringList& caption = kDesignedCaptions;
    QTest::newRow("txtInput(0)") << "txtInput(0)" << QRect(96, 8, 81, 21) << "6" << left;
    QTest::newRow("txtInput(1)") << "txtInput(1)" << QRect(96, 36, 81, 21) << "4" << left;
    QTest::newRow("btnRoll") << "btnRoll" << QRect(96, 68, 81, 33) << caption[0] << 0;
    QTest::newRow("Command1") << "Command1" << QRect(96, 172, 81, 33) << caption[1] << 0;
    QTest::newRow("Command2") << "Command2" << QRect(96, 212, 81, 33) << caption[2] << 0;
    QTest::newRow("lstResults") << "lstResults" << QRect(188, 8, 117, 238) << "" << 0;
    QTest::newRow("lblPrompt(0)") << "lblPrompt(0)" << QRect(8, 12, 81, 17) << caption[3] << right;
    QTest::newRow("lblPrompt(1)") << "lblPrompt(1)" << QRect(8, 40, 81, 17) << caption[4] << right;
    QTest::newRow("lblPrompt(2)") << "lblPrompt(2)" << QRect(8, 116, 81, 17) << caption[5] << right;
    QTest::newRow("lblStatus") << "lblStatus" << QRect(0, 256, 313, 17) << "" << left;
    QTest::newRow("lblResult(0)") << "lblResult(0)" << QRect(96, 116, 81, 17) << "" << centre;
    QTest::newRow("lblResult(1)") << "lblResult(1)" << QRect(8, 140, 169, 17) << "" << right;
    QTest::newRow("Image1") << "Image1" << QRect(8, 212, 32, 32) << "" << 0;
}

void RollerLayoutTest::controlTable() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(int, alignment);

    WindowRig rig;  // not shown yet: the layout is still the initial one
    QCOMPARE(rig.window.size(), QSize(314, 273));
    auto* control = rig.window.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (!caption.isEmpty()) QCOMPARE(control->property("text").toString(), caption);
    if (auto* label = qobject_cast<QLabel*>(control); label && alignment != 0) {
        QCOMPARE(static_cast<int>(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    }
}

void RollerLayoutTest::captionsFitTheirBoxes_data() {
    QTest::addColumn<QString>("locale");
    for (const char* locale : testing_support::kLanguages) QTest::newRow(locale) << locale;
}

// In every language, every text the dice window can show fits its box: a
// translation that does not fit takes shorter words, not a smaller font.
void RollerLayoutTest::captionsFitTheirBoxes() {
    QFETCH(QString, locale);
    const Translations language{QLocale(locale)};
    WindowRig rig;
    for (auto* button : rig.window.findChildren<QPushButton*>()) {
        const QFontMetrics metrics(button->font());
        for (const QString& line :
             button->text().remove(QLatin1Char('&')).split(QLatin1Char('\n'))) {
            QVERIFY2(metrics.horizontalAdvance(line) <= button->width() - 6, qPrintable(line));
        }
        QVERIFY(metrics.lineSpacing() * button->text().count(QLatin1Char('\n')) +
                    metrics.height() <=
                button->height());
    }
    for (auto* label : rig.window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
        QVERIFY2(metrics.height() <= label->height(), qPrintable(label->text()));
    }
    // The longest outcome line a real pool can give still fits.
    const QString longest = ResultsDisplay::HighAndTotalText(Int16(32765), Int16(32767));
    const QFontMetrics metrics(rig.ui.lblResult[1]->font());
    QVERIFY2(metrics.horizontalAdvance(longest) <= rig.ui.lblResult[1]->width(),
             qPrintable(longest));

    // And every line the status bar can hold, at the window's smallest.
    rig.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    rig.window.resize(1, 1);
    QTRY_COMPARE(rig.window.frameGeometry().width(), 267);
    QLabel* status = rig.ui.lblStatus;
    QStringList lines;
    rig.Roll(QStringLiteral("5"), QStringLiteral("0"), testing_support::ExamplePoolDraws());
    rig.ui.Command1->click();  // every die succeeded: nothing to reroll
    lines << status->text();
    rig.ui.Command2->click();  // no die selected
    lines << status->text();
    rig.window.Commands().CopyRoll();
    lines << status->text();
    for (RollFault fault :
         {RollFault::DiceField, RollFault::TargetField, RollFault::TotalThisTime,
          RollFault::TotalTooLarge, RollFault::RerollTooLarge, RollFault::PoolOutOfStep}) {
        lines << ResultsDisplay::ErrorText(RollFailure(ErrorNumber::Overflow, fault, 32766));
    }
    // At a table: a reroll before any roll there, a round still open, one
    // that waits, one given up.
    lines << QCoreApplication::translate("corvane::TableRolls",
                                         "Roll at the table before rerolling there.")
          << QCoreApplication::translate(
                 "corvane::TableRolls", "Another roll is on the table: roll again once it is done.")
          << WaitingText({QStringLiteral("Ana"), QStringLiteral("Bo")})
          << QCoreApplication::translate("corvane::TableText",
                                         "Round %1 given up: %2 did not answer.")
                 .arg(GroupedCount(999))
                 .arg(QStringLiteral("Ana"));
    const QFontMetrics statusMetrics(status->font());
    const int room = status->contentsRect().width() - status->indent();
    for (const QString& line : lines) {
        QVERIFY2(statusMetrics.horizontalAdvance(line) <= room, qPrintable(line));
    }

    // Over the roll log, as it opens: the evening's lines, which wrap, take at
    // most two lines each for an evening of a thousand rolls of a hundred
    // dice, whatever they found, at odds of some thousands.
    rig.window.Side().ShowLog();
    RollLogWindow* log = rig.window.Side().LogWindow();
    QVERIFY(QTest::qWaitForWindowExposed(log));
    QLabel* evening = log->Evening()->Luck();
    const QFontMetrics eveningMetrics(evening->font());
    for (const QString& line : EveningText::LongEveningLines()) {
        const QRect wrapped = eveningMetrics.boundingRect(
            QRect(0, 0, evening->contentsRect().width(), 1000), Qt::TextWordWrap, line);
        QVERIFY2(wrapped.height() <= 2 * eveningMetrics.lineSpacing(), qPrintable(line));
    }
    QVERIFY(eveningMetrics.height() <= evening->contentsRect().height());
}

void RollerLayoutTest::poolAndLogMessagesFitTheirStatusLines_data() {
    captionsFitTheirBoxes_data();
}

// Every message the pools and the log tell in a status line fits it, in the
// dice window, the Pools window and the roll log, each at its opening size.
void RollerLayoutTest::poolAndLogMessagesFitTheirStatusLines() {
    QFETCH(QString, locale);
    const Translations language{QLocale(locale)};
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("pools.json"));
    WindowRig rig(file);
    QVERIFY(rig.ShowAndActivate());
    QMap<QLabel*, QStringList> lines;
    const auto note = [&](QLabel* status) { lines[status] << status->text(); };
    QLineEdit* field = rig.ui.txtInput[0];
    rig.dialogs.typed << QStringLiteral("A") << QStringLiteral("B");
    QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
    note(rig.ui.lblStatus);  // saved
    QTest::keyClick(field, Qt::Key_9, Qt::ControlModifier);
    note(rig.ui.lblStatus);  // no such pool

    PoolsWindow* pools = rig.OpenPools();
    QVERIFY(pools);
    QListWidget* list = pools->Entries();
    TellOn(StatusLine::Of(pools), rig.window.Pools().SaveFromFields("2", "4", pools));
    note(pools->Status());  // saved, in the Pools window
    rig.dialogs.typed << QStringLiteral("C");
    QTest::keyClick(list, Qt::Key_F2);
    note(pools->Status());  // renamed
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    note(pools->Status());  // moved
    QTest::keyClick(list, Qt::Key_Delete);
    note(pools->Status());  // deleted
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    note(pools->Status());  // restored
    rig.dialogs.fileToSave = config.filePath(QStringLiteral("out.json"));
    TellOn(StatusLine::Of(pools), rig.window.Pools().Export(pools));
    note(pools->Status());
    rig.dialogs.fileToOpen = rig.dialogs.fileToSave;
    QFile::remove(file);
    TellOn(StatusLine::Of(pools), rig.window.Pools().Import(pools));
    note(pools->Status());  // imported
    QVERIFY(testing_support::WriteFileBytes(file, "{"));
    rig.dialogs.typed << QStringLiteral("D");
    TellOn(StatusLine::Of(&rig.window), rig.window.Pools().SaveFromFields("3", "4", &rig.window));
    note(rig.ui.lblStatus);  // not saved: the file is unreadable

    RollLogWindow* log = rig.OpenLog();
    QVERIFY(log);
    rig.dialogs.fileToSave = config.filePath(QStringLiteral("log.txt"));
    QTest::keyClick(log->Entries(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    note(log->Status());  // none selected
    for (int i = 0; i < 20; ++i) rig.ui.btnRoll->click();
    QTest::keyClick(log->Entries(), Qt::Key_S, Qt::ControlModifier);
    note(log->Status());  // saved

    for (auto [status, texts] : lines.asKeyValueRange()) {
        const QFontMetrics metrics(status->font());
        const int room = status->contentsRect().width() - status->indent();
        for (const QString& line : texts) {
            QVERIFY2(!line.isEmpty(), qPrintable(status->objectName()));
            QVERIFY2(metrics.horizontalAdvance(line) <= room, qPrintable(line));
        }
    }
}

void RollerLayoutTest::boldLabelsUseABoldSansAtNineAndThreeQuarterPoints() {
    WindowRig rig;
    for (QLabel* label : {rig.ui.lblPrompt[2], rig.ui.lblResult[0]}) {
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QCOMPARE(label->font().weight(), QFont::Bold);
        QVERIFY(!label->font().italic() && !label->font().underline() &&
                !label->font().strikeOut());
        QVERIFY(QFontInfo(label->font()).bold());
    }
    QVERIFY(!QFontInfo(rig.ui.lblPrompt[0]->font()).bold());
}

void RollerLayoutTest::tabOrder() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QCOMPARE(QApplication::focusWidget(), rig.ui.txtInput[0]);
    const QList<QWidget*> expected = {rig.ui.txtInput[1], rig.ui.btnRoll,    rig.ui.Command1,
                                      rig.ui.Command2,    rig.ui.lstResults, rig.ui.txtInput[0]};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void RollerLayoutTest::screenReaderNames() {
    WindowRig rig;
    QCOMPARE(rig.ui.txtInput[0]->accessibleName(), QStringLiteral("Dice to Roll"));
    QCOMPARE(rig.ui.txtInput[1]->accessibleName(), QStringLiteral("Target Number"));
    QCOMPARE(rig.ui.lblPrompt[0]->buddy(), rig.ui.txtInput[0]);
    QCOMPARE(rig.ui.lblPrompt[1]->buddy(), rig.ui.txtInput[1]);
    QCOMPARE(rig.ui.lstResults->accessibleName(), QStringLiteral("Results"));
    QCOMPARE(rig.ui.Image1->accessibleName(), QStringLiteral("About Corvane Dice"));
    // Labels that show changing text must not hide it behind a fixed name.
    QVERIFY(rig.ui.lblStatus->accessibleName().isEmpty());
    QVERIFY(rig.ui.lblResult[1]->accessibleName().isEmpty());
    // Roll is the one default button, wherever the focus is.
    QVERIFY(rig.ShowAndActivate());
    for (QPushButton* focused : {rig.ui.btnRoll, rig.ui.Command1, rig.ui.Command2}) {
        focused->setFocus();
        for (QPushButton* button : {rig.ui.btnRoll, rig.ui.Command1, rig.ui.Command2}) {
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->state().defaultButton,
                     button == rig.ui.btnRoll);
        }
    }
}

void RollerLayoutTest::iconIsTransparentOutsideTheDiceAndThePictureIsOnWhite() {
    WindowRig rig;
    const QImage icon = rig.window.windowIcon().pixmap(32, 32).toImage();
    const QImage picture = rig.ui.Image1->pixmap().toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(picture.size(), QSize(32, 32));
    const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 255, 255)};
    int transparent = 0;
    int pips = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb iconPixel = icon.pixel(x, y);
            const QRgb picturePixel = picture.pixel(x, y) | 0xFF000000U;
            QVERIFY(palette.contains(picturePixel));
            if (qAlpha(iconPixel) == 0) {
                ++transparent;
                QCOMPARE(picturePixel, qRgb(255, 255, 255));
            } else {
                QCOMPARE(qAlpha(iconPixel), 255);
                QCOMPARE(picturePixel, iconPixel);
                if (iconPixel == qRgb(255, 255, 255)) ++pips;
            }
        }
    }
    QVERIFY(transparent > 100);
    QVERIFY(pips > 0);
    QCOMPARE(qAlpha(icon.pixel(31, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(0, 31)), 0);
}

void RollerLayoutTest::resizeLaysOutTheListAndStatusLine_data() {
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("outer");  // 0 keeps what was asked for
    // The minimum outer size is 4000 x 4500 twips: 267 x 300 pixels.
    QTest::newRow("initial") << QSize(314, 273) << QSize(0, 300);
    QTest::newRow("larger") << QSize(380, 500) << QSize(0, 0);
    QTest::newRow("tooSmall") << QSize(100, 100) << QSize(267, 300);
    QTest::newRow("narrowTall") << QSize(150, 520) << QSize(267, 0);
    QTest::newRow("shortWide") << QSize(380, 150) << QSize(0, 300);
    // The most it grows to, 392 x 546 inside the frame (-1: plus the frame).
    QTest::newRow("pastTheMaximum") << QSize(900, 900) << QSize(-1, -1);
}

void RollerLayoutTest::resizeLaysOutTheListAndStatusLine() {
    QFETCH(QSize, requested);
    QFETCH(QSize, outer);
    WindowRig rig;
    rig.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    const QSize frame = rig.window.frameGeometry().size() - rig.window.size();
    rig.window.resize(requested);
    QSize expectedOuter(outer.width() ? outer.width() : requested.width() + frame.width(),
                        outer.height() ? outer.height() : requested.height() + frame.height());
    if (outer == QSize(-1, -1)) expectedOuter = QSize(392, 546) + frame;
    QTRY_COMPARE(rig.window.frameGeometry().size(), expectedOuter);

    // The list keeps 60 twips (4 pixels) from the right edge and from the
    // status line, which runs along the bottom of the client area.
    const int width = rig.window.width();
    const int height = rig.window.height();
    QCOMPARE(rig.ui.lblStatus->geometry(), QRect(0, height - 17, width, 17));
    QCOMPARE(rig.ui.lstResults->geometry(), QRect(188, 8, width - 188 - 4, height - 17 - 8 - 4));
    QCOMPARE(rig.ui.btnRoll->geometry(), QRect(96, 68, 81, 33));
}

void RollerLayoutTest::minimisingMovesNothing() {
    WindowRig rig;
    rig.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    rig.window.resize(380, 400);
    QTRY_COMPARE(rig.window.size(), QSize(380, 400));
    const QRect list = rig.ui.lstResults->geometry();
    rig.window.showMinimized();
    QTRY_VERIFY(rig.window.isMinimized());
    QCOMPARE(rig.ui.lstResults->geometry(), list);
    rig.window.showNormal();
    QTRY_VERIFY(!rig.window.isMinimized());
    QCOMPARE(rig.ui.lstResults->geometry().right(), rig.window.width() - 4 - 1);
}

}  // namespace corvane

QTEST_MAIN(corvane::RollerLayoutTest)
#include "RollerLayoutTest.moc"
