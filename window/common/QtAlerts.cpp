#include "window/common/QtAlerts.h"

#include <QApplication>
#include <QMessageBox>

namespace corvane {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtAlerts::Beep() { QApplication::beep(); }

void QtAlerts::ShowMessage(std::string_view title, std::string_view text) {
    MessageBox(title, text)->exec();
}

std::unique_ptr<QMessageBox> QtAlerts::MessageBox(std::string_view title, std::string_view text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(text),
                                             QMessageBox::Ok, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

}  // namespace corvane
