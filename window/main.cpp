#include <QApplication>
#include <QLocale>
#include <iostream>

#include "runtime/Clock.h"
#include "runtime/Pcg32Random.h"
#include "runtime/Version.h"
#include "table/JoinCode.h"
#include "table/Transcript.h"
#include "window/CommandLine.h"
#include "window/Translations.h"
#include "window/common/QtAlerts.h"
#include "window/common/QtDialogs.h"
#include "window/pools/PoolStore.h"
#include "window/roller/frmRoller.h"
#include "window/table/TableHost.h"

namespace {

// Sits down at the table the command line asks for; false, having said why,
// when this machine cannot host it.
bool StartTable(corvane::TableSession& session, const corvane::TableStart& start) {
    const QString name = QString::fromStdString(start.name);
    const QString code = QString::fromStdString(start.code);
    if (start.role == corvane::TableStart::Role::Join) {
        // For the script that started it: once, when it has a seat.
        QObject::connect(&session, &corvane::TableSession::changed, &session,
                         [&session, told = false]() mutable {
                             if (told || !session.Seated()) return;
                             told = true;
                             std::cout << "corvane-dice: joined the table" << std::endl;
                         });
        session.Join(name, code, QString::fromStdString(start.host),
                     static_cast<quint16>(start.port));
        return true;
    }
    const QString chosen =
        code.isEmpty() ? QString::fromStdString(corvane::table::NewJoinCode()) : code;
    if (const auto error = session.Host(name, chosen, static_cast<quint16>(start.port))) {
        std::cerr << "corvane-dice: cannot host on port " << start.port << ": "
                  << error->toStdString() << '\n';
        return false;
    }
    const auto* host = qobject_cast<const corvane::TableHost*>(session.Link());
    // For the script that started it: where to join and with what code.
    std::cout << "corvane-dice: hosting on port " << host->Port() << " with the code "
              << chosen.toStdString() << std::endl;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const corvane::CommandLine line = corvane::ReadCommandLine(argc, argv);
    if (!line.error.empty()) {
        std::cerr << "corvane-dice: " << line.error << "\nTry 'corvane-dice --help'.\n";
        return 2;
    }
    if (line.help || line.version) {
        std::cout << (line.help ? corvane::kUsage : "");
        if (line.version) std::cout << "corvane-dice " << corvane::kVersionText << '\n';
        return 0;
    }
    // Checking a table's transcript needs no window, nor a display.
    if (line.verify) return corvane::table::VerifyTranscriptFile(line.verify->c_str(), std::cout);
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
    if (line.table && !StartTable(window.Table(), *line.table)) return 1;
    return QApplication::exec();
}
