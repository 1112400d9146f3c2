#pragma once

#include <QCoreApplication>
#include <array>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

namespace corvane {

class DicePicture;

// The dice window's look and its controls, created in their places. The window
// owns them through Qt's parent chain; this only keeps the pointers by name.
struct RollerControls {
    Q_DECLARE_TR_FUNCTIONS(corvane::RollerControls)

public:
    explicit RollerControls(QWidget* window);

    std::array<QLineEdit*, 2> txtInput{};  // dice count, target number
    QPushButton* btnRoll = nullptr;
    QPushButton* Command1 = nullptr;  // reroll the failures
    QPushButton* Command2 = nullptr;  // reroll from the marker down
    QListView* lstResults = nullptr;
    std::array<QLabel*, 3> lblPrompt{};
    QLabel* lblStatus = nullptr;
    std::array<QLabel*, 2> lblResult{};  // success count; high roll and total
    DicePicture* Image1 = nullptr;
};

// Client area the window opens with, in pixels.
inline constexpr int kInitialClientWidth = 314;   // 4710 twips
inline constexpr int kInitialClientHeight = 273;  // 4095 twips
// The most the window grows to: room for a list over twice as long and a
// little wider (its rows are numbers of five digits at most). Past it, as
// when a window manager maximises it anyway, the window would only add
// empty list beside the controls.
inline constexpr int kMaximumClientWidth = kInitialClientWidth * 5 / 4;
inline constexpr int kMaximumClientHeight = kInitialClientHeight * 2;

}  // namespace corvane
