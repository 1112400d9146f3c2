#pragma once

#include <string_view>

namespace corvane {

// The sound and the modal box the window uses to get the user's attention.
// The window answers it with the toolkit; tests record the calls instead.
class Alerts {
public:
    virtual ~Alerts() = default;
    virtual void Beep() = 0;
    // A modal box with one OK button and no icon; returns when it is closed.
    virtual void ShowMessage(std::string_view title, std::string_view text) = 0;
};

}  // namespace corvane
