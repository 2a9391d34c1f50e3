#include "cli/cli.h"

#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "platform/errors.h"
#include "platform/win1252.h"

#include <cctype>
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

// The command's summary as a sentence, in lines that fit a terminal.
void PrintCommandHelp(std::ostream& out, const CliCommand& command) {
    out << "Usage: panelwright-cli [--drive-c DIR] " << command.name << ' ' << command.usage
        << "\n\n";
    std::string sentence = std::string(command.summary) + '.';
    sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
    constexpr std::size_t kWidth = 78;
    std::size_t column = 0;
    for (std::size_t start = 0; start < sentence.size();) {
        std::size_t end = sentence.find(' ', start);
        if (end == std::string::npos) end = sentence.size();
        const std::size_t length = end - start;
        if (column > 0 && column + 1 + length > kWidth) {
            out << '\n';
            column = 0;
        } else if (column > 0) {
            out << ' ';
            ++column;
        }
        out << sentence.substr(start, length);
        column += length;
        start = end + 1;
    }
    out << '\n';
}

const CliCommand* FindCommand(const std::string& name) {
    for (const CliCommand& command : Commands())
        if (name == command.name) return &command;
    return nullptr;
}

} // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest;
    bool help = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help" || a == "-h") {
            help = true;
            continue;
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
    const CliCommand* command = rest.empty() ? nullptr : FindCommand(rest.front());
    if (help) {
        if (command)
            PrintCommandHelp(out, *command);
        else
            PrintHelp(out);
        return kExitOk;
    }
    if (rest.empty()) {
        PrintHelp(err);
        return kExitUsage;
    }
    if (!command) {
        err << "panelwright-cli: unknown command '" << Win1252ToUtf8(rest.front())
            << "' (see --help)\n";
        return kExitUsage;
    }
    CliContext context{out, err, CliHost(err)};
    try {
        return command->run(context, {rest.begin() + 1, rest.end()});
    } catch (const UsageError& error) {
        err << "panelwright-cli " << command->name << ": " << Win1252ToUtf8(error.what())
            << "\nUsage: panelwright-cli " << command->name << ' ' << command->usage << '\n';
        return kExitUsage;
    } catch (const Error& error) {
        err << Win1252ToUtf8(error.what()) << '\n';
        return kExitError;
    }
}

} // namespace pw
