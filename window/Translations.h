#pragma once

#include <QString>
#include <memory>

class QLocale;
class QTranslator;

namespace corvane {

// The program's texts, and Qt's own (a message box's buttons, a field's context
// menu), in the language of a locale, for as long as this object lives. English
// is the language the texts are written in: its catalogue gives only their
// plurals ("1 pool", "2 pools"), and a language without a catalogue of its own
// shows English throughout.
class Translations final {
public:
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language the program speaks, as its catalogue names it ("de_DE",
    // "en_US").
    QString Language() const;

private:
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

}  // namespace corvane
