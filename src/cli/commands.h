#pragma once
// The tool's commands. Each takes its own arguments (options already removed) and reports
// through the context.

#include "cli/cli_host.h"

#include <ostream>
#include <string>
#include <vector>

namespace pw {

struct CliContext {
    std::ostream& out;
    std::ostream& err;
    CliHost host;
};

struct CliCommand {
    const char* name;
    const char* usage; // arguments after the name
    const char* summary;
    int (*run)(CliContext& context, const std::vector<std::string>& arguments);
};

// Every command, in the order the help lists them.
const std::vector<CliCommand>& Commands();

} // namespace pw
