#include "window/roller/RollerControls.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "engine/RollerState.h"
#include "window/common/AccessibleRoles.h"
#include "window/roller/DicePicture.h"
#include "window/roller/Twips.h"

namespace corvane {
namespace {

// The faces the layout was drawn for come first; Liberation Sans has the same
// widths as Arial, so every caption still fits its box where they are missing.
const QStringList kSansFaces = {
    QStringLiteral("MS Sans Serif"),   QStringLiteral("Microsoft Sans Serif"),
    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
    QStringLiteral("Helvetica"),
};

QFont SansFont(double points, QFont::Weight weight) {
    QFont font;
    font.setFamilies(kSansFaces);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

template <class Control>
Control* Place(QWidget* window, const char* name, QRect geometry) {
    auto* control = new Control(window);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

QLabel* Label(QWidget* window, const char* name, const QString& caption, QRect geometry,
              Qt::Alignment alignment) {
    auto* label = Place<QLabel>(window, name, geometry);
    label->setText(caption);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* Button(QWidget* window, const char* name, const QString& caption, QRect geometry) {
    auto* button = Place<QPushButton>(window, name, geometry);
    button->setText(caption);
    // Not auto-default: a focused auto-default button calls itself the
    // default, and screen readers would name it so. The window clicks the
    // focused button on Enter itself.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

RollerControls::RollerControls(QWidget* window) {
    ExposeAsWindow(*window);
    window->setWindowTitle(tr("Corvane Dice"));
    window->setWindowIcon(DicePicture::WindowIcon());
    // Maximised, only the list would grow beside the fixed column of controls.
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    // The window is painted in the colour behind text fields, by role rather
    // than by a colour taken once, so it follows every change of palette.
    window->setBackgroundRole(QPalette::Base);
    window->setAutoFillBackground(true);
    window->resize(kInitialClientWidth, kInitialClientHeight);
    window->setMaximumSize(kMaximumClientWidth, kMaximumClientHeight);
    window->setFont(SansFont(8.25, QFont::Normal));
    const QFont bold = SansFont(9.75, QFont::Bold);

    // The window's first roll reads its pool from these fields.
    const RollerState start = RollerState::LoadValues();
    txtInput[0] = Place<QLineEdit>(window, "txtInput(0)", TwipsRect(1440, 120, 1215, 315));
    txtInput[0]->setText(QString::number(start.DiceCount.Value()));
    txtInput[1] = Place<QLineEdit>(window, "txtInput(1)", TwipsRect(1440, 540, 1215, 315));
    txtInput[1]->setText(QString::number(start.TargetNumber.Value()));

    btnRoll = Button(window, "btnRoll", tr("&Roll"), TwipsRect(1440, 1020, 1215, 495));
    btnRoll->setDefault(true);
    Command1 = Button(window, "Command1", tr("Reroll &Failures"), TwipsRect(1440, 2580, 1215, 495));
    // The caption is too long for one line of the button.
    //: Two lines, each as wide as the Roll button at most.
    Command2 = Button(window, "Command2", tr("Reroll from\n&Marker Down"),
                      TwipsRect(1440, 3180, 1215, 495));

    lstResults = Place<QListView>(window, "lstResults", TwipsRect(2820, 120, 1755, 3570));
    lstResults->setSelectionMode(QAbstractItemView::SingleSelection);
    lstResults->setUniformItemSizes(true);  // keeps huge pools quick to show
    lstResults->setAccessibleName(tr("Results"));

    const QString diceToRoll = tr("Dice to Roll");
    const QString targetNumber = tr("Target Number");
    lblPrompt[0] =
        Label(window, "lblPrompt(0)", diceToRoll, TwipsRect(120, 180, 1215, 255), Qt::AlignRight);
    lblPrompt[1] =
        Label(window, "lblPrompt(1)", targetNumber, TwipsRect(120, 600, 1215, 255), Qt::AlignRight);
    lblPrompt[2] = Label(window, "lblPrompt(2)", tr("Successes"), TwipsRect(120, 1740, 1215, 255),
                         Qt::AlignRight);
    lblPrompt[2]->setFont(bold);

    // The status line and the two results start with placeholders that the
    // first roll replaces before the window shows, so no one reads or
    // translates them.
    lblStatus = Label(window, "lblStatus", QStringLiteral("great scott"),
                      TwipsRect(0, 3840, 4695, 255), Qt::AlignLeft);
    lblStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblStatus->setLineWidth(1);
    lblStatus->setIndent(3);
    // So that screen readers' "read the status bar" finds it.
    ExposeAsStatusLine(*lblStatus);

    lblResult[0] = Label(window, "lblResult(0)", QStringLiteral("Successes"),
                         TwipsRect(1440, 1740, 1215, 255), Qt::AlignHCenter);
    lblResult[0]->setFont(bold);
    lblResult[1] = Label(window, "lblResult(1)", QStringLiteral("Successes"),
                         TwipsRect(120, 2100, 2535, 255), Qt::AlignRight);

    Image1 = Place<DicePicture>(window, "Image1", TwipsRect(120, 3180, 480, 480));
    Image1->setAccessibleName(tr("About Corvane Dice"));
    Image1->setToolTip(tr("About Corvane Dice (F1)"));

    // Screen readers announce each field by its prompt.
    lblPrompt[0]->setBuddy(txtInput[0]);
    lblPrompt[1]->setBuddy(txtInput[1]);
    txtInput[0]->setAccessibleName(diceToRoll);
    txtInput[1]->setAccessibleName(targetNumber);

    QWidget::setTabOrder(txtInput[0], txtInput[1]);
    QWidget::setTabOrder(txtInput[1], btnRoll);
    QWidget::setTabOrder(btnRoll, Command1);
    QWidget::setTabOrder(Command1, Command2);
    QWidget::setTabOrder(Command2, lstResults);
}

}  // namespace corvane
