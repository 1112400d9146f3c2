#include "window/common/CloseKeys.h"

#include <QShortcut>
#include <QWidget>

namespace corvane {

void AddCloseKeys(QWidget& window) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(keys, &window);
        QObject::connect(close, &QShortcut::activated, &window, &QWidget::close);
    }
}

}  // namespace corvane
