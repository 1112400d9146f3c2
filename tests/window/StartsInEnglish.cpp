#include <QCoreApplication>
#include <QLocale>

#include "window/Translations.h"

namespace {

corvane::Translations* english = nullptr;

// Every window test starts as the program does in English, with English's
// catalogue, which gives the plural texts their singulars ("1 pool"). A test
// that installs a language lays it over this one.
void StartInEnglish() {
    english = new corvane::Translations(QLocale(QLocale::English));
    qAddPostRoutine([] {
        delete english;
        english = nullptr;
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartInEnglish)
