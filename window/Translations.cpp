#include "window/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace corvane {

Translations::Translations(const QLocale& locale)
    : program_(std::make_unique<QTranslator>()), qt_(std::make_unique<QTranslator>()) {
    // The build puts the program's translations among its resources.
    if (!program_->load(locale, QStringLiteral("corvane-dice"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
        return;
    }
    QCoreApplication::installTranslator(program_.get());
    // Qt's texts follow the program's language, not the first the locale lists
    // that Qt happens to speak: a window in one language throughout.
    if (qt_->load(QLocale(program_->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt_.get());
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(qt_.get());
    QCoreApplication::removeTranslator(program_.get());
}

QString Translations::Language() const { return program_->language(); }

}  // namespace corvane
