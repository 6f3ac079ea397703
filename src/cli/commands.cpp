#include "cli/commands.h"

const std::vector<TCliCommand>& cliCommands() {
    static const std::vector<TCliCommand> commands = {};
    return commands;
}
