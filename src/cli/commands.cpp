#include "cli/commands.h"

namespace pw {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {};
    return commands;
}

} // namespace pw
