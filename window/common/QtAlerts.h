#pragma once

#include <memory>

#include "runtime/Alerts.h"

class QMessageBox;

namespace corvane {

// The system beep and a plain modal message box.
class QtAlerts final : public Alerts {
public:
    void Beep() override;
    void ShowMessage(std::string_view title, std::string_view text) override;

    // The box ShowMessage opens: its text can be selected and copied, so an
    // address in it can be pasted elsewhere.
    static std::unique_ptr<QMessageBox> MessageBox(std::string_view title, std::string_view text);
};

}  // namespace corvane
