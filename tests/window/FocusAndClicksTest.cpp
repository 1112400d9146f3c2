#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QWindow>
#include <QtTest>

#include "WindowRig.h"
#include "window/common/QtAlerts.h"
#include "window/log/RollText.h"
#include "window/roller/AboutText.h"

namespace corvane {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::WindowRig;

// Where the player's keys and clicks leave the focus and the selection.
class FocusAndClicksTest : public QObject {
    Q_OBJECT
private slots:
    void theFocusStaysInSightAfterRollingFromTheList_data();
    void theFocusStaysInSightAfterRollingFromTheList();
    void aClickIntoAFieldSelectsItsTextAndASecondPlacesTheCursor_data();
    void aClickIntoAFieldSelectsItsTextAndASecondPlacesTheCursor();
    void theAboutTextCanBeSelected();
    void maximisedTheWindowGrowsNoFurtherThanItsMaximum();
};

void ClickRow(WindowRig& rig, int row) {
    QTest::mouseClick(rig.ui.lstResults->viewport(), Qt::LeftButton, {},
                      rig.ui.lstResults->visualRect(rig.RowIndex(row)).center());
}

void FocusAndClicksTest::theFocusStaysInSightAfterRollingFromTheList_data() {
    QTest::addColumn<int>("key");  // with Alt
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<int>("place");  // the row the list is on before and after
    QTest::newRow("failuresAfterAClick") << int(Qt::Key_F) << false << 3;
    QTest::newRow("markerAfterAClick") << int(Qt::Key_M) << false << 3;
    QTest::newRow("markerAfterTheArrowKeys") << int(Qt::Key_M) << true << 2;
    QTest::newRow("rollAfterAClick") << int(Qt::Key_R) << false << 1;
}

void FocusAndClicksTest::theFocusStaysInSightAfterRollingFromTheList() {
    QFETCH(int, key);
    QFETCH(bool, byKeyboard);
    QFETCH(int, place);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    QListView* list = rig.ui.lstResults;
    if (byKeyboard) {
        list->setFocus();
        for (int i = 0; i <= place; ++i)
            QTest::keyClick(list, i == 0 ? Qt::Key_Home : Qt::Key_Down);
    } else {
        ClickRow(rig, place);
    }
    QTRY_VERIFY(list->hasFocus());
    const int rolls = static_cast<int>(rig.random.reseeds.size());
    rig.random.Script({Face(2)});
    QTest::keyClick(list, static_cast<Qt::Key>(key), Qt::AltModifier);
    QTRY_COMPARE(static_cast<int>(rig.random.reseeds.size()), rolls + 1);

    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(rig.CurrentRow(), place);
    QCOMPARE(rig.SelectedRowCount(), 0);  // as after every roll
    // The place shows: the list looks different without it.
    const QRect row = list->visualRect(rig.RowIndex(place));
    const QImage withPlace = list->viewport()->grab(row).toImage();
    list->selectionModel()->setCurrentIndex(rig.RowIndex(place), QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(rig.window.MarkedRow().Value(), place + 1);
    list->selectionModel()->clear();
    QVERIFY(list->viewport()->grab(row).toImage() != withPlace);
}

void FocusAndClicksTest::aClickIntoAFieldSelectsItsTextAndASecondPlacesTheCursor_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focused");  // the field has the focus and the program's selection
    QTest::newRow("dice") << 0 << "6" << false;
    QTest::newRow("target") << 1 << "4" << false;
    QTest::newRow("diceFocused") << 0 << "6" << true;
    QTest::newRow("targetFocused") << 1 << "4" << true;
}

void FocusAndClicksTest::aClickIntoAFieldSelectsItsTextAndASecondPlacesTheCursor() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, focused);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.ui.btnRoll->setFocus();  // neither field has the focus
    QLineEdit* input = rig.ui.txtInput[static_cast<std::size_t>(field)];
    input->setText(text + QStringLiteral("12"));
    if (focused) {
        // As the window opens: the field has the focus, its text selected by the program.
        input->setFocus();
        QCOMPARE(input->selectedText(), input->text());
        // Ctrl+C copies the roll, not the program's selection.
        QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), CopiedLine(*rig.window.LastRecord()));
    }
    QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(input->width() - 4, input->height() / 2));
    QCOMPARE(QApplication::focusWidget(), input);
    QCOMPARE(input->selectedText(), text + QStringLiteral("12"));
    QTest::keyClicks(input, QStringLiteral("5"));
    QCOMPARE(input->text(), QStringLiteral("5"));
    // A second click places the cursor, as in any field.
    input->selectAll();
    QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(2, input->height() / 2));
    QVERIFY(!input->hasSelectedText());
    QCOMPARE(input->cursorPosition(), 0);
}

void FocusAndClicksTest::theAboutTextCanBeSelected() {
    const auto box = QtAlerts::MessageBox("About Corvane Dice", AboutText().toStdString());
    auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(text);
    QVERIFY(text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QVERIFY(text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
    const qsizetype at = text->text().indexOf(QStringLiteral("GNU GPL"));
    QVERIFY(at > 0);
    text->setSelection(static_cast<int>(at), 7);
    QCOMPARE(text->selectedText(), QStringLiteral("GNU GPL"));
}

void FocusAndClicksTest::maximisedTheWindowGrowsNoFurtherThanItsMaximum() {
    WindowRig rig;
    rig.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    // What the window manager is told; one that maximises the window anyway
    // gets the designed layout, where only the list takes the room.
    const QSize maximum(kMaximumClientWidth, kMaximumClientHeight);
    QCOMPARE(rig.window.windowHandle()->maximumSize(), maximum);
    rig.window.resize(2000, 2000);
    QTRY_COMPARE(rig.window.size(), maximum);
}

}  // namespace corvane

QTEST_MAIN(corvane::FocusAndClicksTest)
#include "FocusAndClicksTest.moc"
