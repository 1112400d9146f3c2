#include <QApplication>
#include <QLocale>
#include <cstring>
#include <iostream>

#include "runtime/Clock.h"
#include "runtime/Pcg32Random.h"
#include "runtime/Version.h"
#include "table/Transcript.h"
#include "window/Translations.h"
#include "window/common/QtAlerts.h"
#include "window/common/QtDialogs.h"
#include "window/pools/PoolStore.h"
#include "window/roller/frmRoller.h"

int main(int argc, char* argv[]) {
    // Checking a table's transcript needs no window, nor a display.
    if (argc == 3 && std::strcmp(argv[1], "--verify") == 0) {
        return corvane::table::VerifyTranscriptFile(argv[2], std::cout);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Dice"));
    QApplication::setApplicationVersion(QString::fromLatin1(corvane::kVersionText));
    // Lets docks and task bars match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Dice"));
    // The language of the desktop (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    const corvane::Translations translations(QLocale::system());

    corvane::Pcg32Random random = corvane::Pcg32Random::FromRandomDevice();
    corvane::SystemClock clock;
    corvane::QtAlerts alerts;
    corvane::QtDialogs dialogs;
    corvane::frmRoller window(random, clock, alerts, dialogs, corvane::PoolStore::DefaultPath());
    window.show();
    return QApplication::exec();
}
