#include "window/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace corvane {

Translations::Translations(const QLocale& locale)
    : program_(std::make_unique<QTranslator>()), qt_(std::make_unique<QTranslator>()) {
    // The build puts the program's translations among its resources. A
    // language without one reads the texts as they are written, in English,
    // with English's plurals.
    const auto load = [this](const QLocale& language) {
        return program_->load(language, QStringLiteral("corvane-dice"), QStringLiteral("_"),
                              QStringLiteral(":/i18n"));
    };
    if (!load(locale) && !load(QLocale(QLocale::English))) return;
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
