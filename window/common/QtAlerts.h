#pragma once

#include "runtime/Alerts.h"

namespace corvane {

// The system beep and a plain modal message box.
class QtAlerts final : public Alerts {
public:
    void Beep() override;
    void ShowMessage(std::string_view title, std::string_view text) override;
};

}  // namespace corvane
