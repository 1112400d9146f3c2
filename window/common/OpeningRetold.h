#pragma once

#include <QAccessible>

namespace corvane {

class Announcer;

// Screen readers hear of the program only once the connection Qt opens to
// them is up. When a window opens and takes the focus before that (on a busy
// machine, or when the screen reader starts after the program), they never
// hear of it and stay silent until the next key. As the connection comes up
// with a window already active, this tells them its title, through the
// announcer, and where the focus is.
class OpeningRetold final : public QAccessible::ActivationObserver {
public:
    explicit OpeningRetold(Announcer& announcer);
    ~OpeningRetold() override;
    OpeningRetold(const OpeningRetold&) = delete;
    OpeningRetold& operator=(const OpeningRetold&) = delete;

    void accessibilityActiveChanged(bool active) override;

private:
    Announcer& announcer_;
    bool connected_ = false;
};

}  // namespace corvane
