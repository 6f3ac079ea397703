#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/commands.h"

namespace {

constexpr const char* VERSION = "1.0";

void printHelp(std::ostream& out) {
    out << "Usage: motivica-cli COMMAND [options] FILE...\n"
           "Headless commands on Motivica compositions (.tnr).\n\n"
           "Commands:\n";
    for (const TCliCommand& c : cliCommands())
        out << "  " << c.name
            << std::string(13 - std::min<size_t>(12, std::string(c.name).size()), ' ') << c.summary
            << "\n";
    out << "\nOptions:\n  --help     show this help (COMMAND --help for one command)\n"
           "  --version  show the version\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printHelp(std::cerr);
        return 2;
    }
    const std::string name = args.front();
    if (name == "--help" || name == "-h") {
        printHelp(std::cout);
        return 0;
    }
    if (name == "--version") {
        std::cout << "motivica-cli " << VERSION << "\n";
        return 0;
    }
    for (const TCliCommand& c : cliCommands()) {
        if (name != c.name)
            continue;
        try {
            return c.run({args.begin() + 1, args.end()}, std::cout, std::cerr);
        } catch (const TUsageError& e) {
            std::cerr << "motivica-cli " << name << ": " << e.what() << "\n";
            return 2;
        } catch (const TCommandError& e) {
            std::cerr << e.what() << "\n";
            return 1;
        } catch (const std::exception& e) {
            std::cerr << "motivica-cli " << name << ": " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "motivica-cli: unknown command '" << name << "' (see --help)\n";
    return 2;
}
