#include "window/common/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::Dialogs)
};

}  // namespace

bool Dialogs::MayReplace(QWidget* parent, const QString& title, const QString& chosen,
                         const QString& written) {
    if (written == chosen || !QFileInfo::exists(written)) return true;
    const QString question =
        Words::tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(written));
    return Ask(parent, title, question, false) == Answer::Yes;
}

QString FilterEnding(const QString& filter) {
    static const QRegularExpression ending(QStringLiteral("\\*\\.(\\w+)"));
    return ending.match(filter).captured(1);
}

}  // namespace corvane
