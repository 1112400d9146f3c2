#pragma once

#include <QString>
#include <memory>

class QLocale;
class QTranslator;

namespace corvane {

// The program's texts, and Qt's own (a message box's buttons, a field's context
// menu), in the language of a locale, for as long as this object lives. English
// is the language the texts are written in: it needs no translation, and a
// language without one shows English throughout.
class Translations final {
public:
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language the program speaks, as its translation names it ("de_DE");
    // empty for English.
    QString Language() const;

private:
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

}  // namespace corvane
