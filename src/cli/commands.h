#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// One command of motivica-cli: its name, a one-line summary for --help, and its body.
// A body returns the exit status; it throws TUsageError or TCommandError for the two failures.
struct TCliCommand {
    const char* name;
    const char* summary;
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// The commands in the order --help lists them.
const std::vector<TCliCommand>& cliCommands();
