#include "window/CommandLine.h"

#include <charconv>
#include <cstring>
#include <map>
#include <string_view>

#include "table/JoinCode.h"
#include "table/Message.h"
#include "window/table/TableHost.h"

namespace corvane {

const char kUsage[] =
    "Usage: corvane-dice [OPTION]...\n"
    "A dice roller for pools of six-sided dice against a target number.\n"
    "\n"
    "  --host [--port N] [--code CODE] --name NAME\n"
    "                       host a table on port N (47321 unless given; 0 for any\n"
    "                       free port) with the join code CODE (three new words\n"
    "                       unless given), and sit at it as NAME\n"
    "  --join HOST:PORT --code CODE --name NAME\n"
    "                       join the table HOST hosts on PORT, as NAME\n"
    "  --verify FILE        check every round of a table's transcript, print a\n"
    "                       line for each, and exit: 0 when all check, 1 when one\n"
    "                       does not, 2 when FILE is not a transcript\n"
    "  --help               print this help and exit\n"
    "  --version            print the version and exit\n";

namespace {

// The options that take a value, and whether they belong to a table.
const std::map<std::string_view, bool> kValued = {
    {"--verify", false}, {"--join", true}, {"--port", true}, {"--code", true}, {"--name", true}};

std::optional<int> Port(std::string_view text) {
    int port = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || port < 0 || port > 65535) {
        return std::nullopt;
    }
    return port;
}

std::string CheckTable(std::map<std::string_view, std::string>& given, bool host,
                       TableStart& table) {
    if (host && given.contains("--join")) return "--host and --join cannot go together";
    if (!host && !given.contains("--join"))
        return "--port, --code and --name need --host or --join";
    if (!given.contains("--name")) return "a table needs --name NAME";
    table.name = given["--name"];
    if (table.name.empty() || table.name.size() > table::kMaxNameSize) {
        return "--name takes 1 to 32 bytes";
    }
    if (given.contains("--code")) {
        table.code = table::NormalJoinCode(given["--code"]);
        if (table.code.empty()) return "--code needs a code";
    }
    if (host) {
        table.role = TableStart::Role::Host;
        table.port = TableHost::kDefaultPort;
        if (given.contains("--port")) {
            const auto port = Port(given["--port"]);
            if (!port) return "--port takes a number from 0 to 65535";
            table.port = *port;
        }
        return {};
    }
    table.role = TableStart::Role::Join;
    if (given.contains("--port")) return "--port is for --host; --join takes HOST:PORT";
    if (table.code.empty()) return "--join needs --code CODE";
    const std::string& address = given["--join"];
    const auto colon = address.rfind(':');
    const auto port = colon == std::string::npos ? std::nullopt : Port(address.substr(colon + 1));
    if (!port || *port == 0 || colon == 0) return "--join takes HOST:PORT";
    table.host = address.substr(0, colon);
    table.port = *port;
    return {};
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    std::map<std::string_view, std::string> given;
    bool host = false;
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        const std::string_view option = argv[i];
        if (option.substr(0, 2) != "--") continue;
        if (option == "--help") {
            line.help = true;
        } else if (option == "--version") {
            line.version = true;
        } else if (option == "--host") {
            host = true;
        } else if (!kValued.contains(option)) {
            line.error = "unknown option " + std::string(option);
        } else if (i + 1 >= argc) {
            line.error = std::string(option) + " needs a value";
        } else {
            given[option] = argv[++i];
        }
    }
    if (!line.error.empty() || line.help || line.version) return line;
    if (given.contains("--verify")) line.verify = given["--verify"];
    const bool tableAsked = host || given.size() > (line.verify ? 1U : 0U);
    if (tableAsked && line.verify) {
        line.error = "--verify goes alone";
    } else if (tableAsked) {
        line.table.emplace();
        line.error = CheckTable(given, host, *line.table);
    }
    return line;
}

}  // namespace corvane
