#include "cli/cli.h"

#include "cli/commands.h"
#include "platform/errors.h"
#include "platform/win1252.h"

#include <cstdlib>

namespace pw {

namespace {

void PrintHelp(std::ostream& out) {
    out << "Usage: panelwright-cli [--drive-c DIR] COMMAND [ARGUMENTS]\n"
           "       panelwright-cli --help | --version\n\n"
           "Works on Panelwright layouts and display files without the editor's windows.\n\n";
    if (!Commands().empty()) out << "Commands:\n";
    for (const CliCommand& command : Commands())
        out << "  " << command.name << ' ' << command.usage << "\n      " << command.summary
            << '\n';
    out << "\nOptions:\n"
           "  --drive-c DIR  the folder that stands for drive C: (default: $PANELWRIGHT_DRIVE_C,\n"
           "                 else ~/.local/share/panelwright/drive_c)\n"
           "  --help         show this help\n"
           "  --version      show the version\n\n"
           "Exit codes: 0 success, 1 a reported error, 2 bad usage. Messages go to stderr.\n";
}

void SetDriveC(const std::string& dir) {
#ifdef _WIN32
    _putenv_s("PANELWRIGHT_DRIVE_C", dir.c_str());
#else
    setenv("PANELWRIGHT_DRIVE_C", dir.c_str(), 1);
#endif
}

} // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help" || a == "-h") {
            PrintHelp(out);
            return kExitOk;
        }
        if (a == "--version") {
            out << "panelwright-cli " << PW_VERSION << '\n';
            return kExitOk;
        }
        if (a == "--drive-c") {
            if (i + 1 == arguments.size()) {
                err << "panelwright-cli: --drive-c needs a folder\n";
                return kExitUsage;
            }
            SetDriveC(arguments[++i]);
            continue;
        }
        // Arguments come as UTF-8; the editor's paths and texts are Windows-1252.
        rest.push_back(Utf8ToWin1252(a));
    }
    if (rest.empty()) {
        PrintHelp(err);
        return kExitUsage;
    }
    for (const CliCommand& command : Commands()) {
        if (rest.front() != command.name) continue;
        CliContext context{out, err, CliHost(err)};
        try {
            return command.run(context, {rest.begin() + 1, rest.end()});
        } catch (const Error& error) {
            err << Win1252ToUtf8(error.what()) << '\n';
            return kExitError;
        }
    }
    err << "panelwright-cli: unknown command '" << Win1252ToUtf8(rest.front()) << "' (see --help)\n";
    return kExitUsage;
}

} // namespace pw
