#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/commands.h"

#ifdef MOTIVICA_CLI_PDF
#include <QGuiApplication>
#include <cstdlib>

#include "cli/export_command.h"
#include "print/pdf_export.h"
#endif

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

// Output that never arrived (a full disk, a closed pipe) is a failure, not a success.
int checkedOutput(int status, const std::string& name) {
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "motivica-cli " << name << ": cannot write the standard output\n";
        return 1;
    }
    return status;
}

#ifdef MOTIVICA_CLI_PDF
// The score is drawn with the desktop's painter, whose fonts need an application object; it gets
// the offscreen platform so that no display is needed, and only when a score is asked for.
bool writePdfOffscreen(const TPeriodData& period, const std::string& path, bool blackHeads) {
    TScorePrintOptions options;
    options.blackHeads = blackHeads;
    if (QGuiApplication::instance())
        return writePeriodPdf(period, path, options);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // the platform's notices (no runtime folder, no session) are not the command's output: a
    // failure is reported as one line by the command itself
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int argc = 1;
    char name[] = "motivica-cli";
    char* argv[] = {name, nullptr};
    bool written = false;
    {
        const QGuiApplication application(argc, argv);
        written = writePeriodPdf(period, path, options);
    }
    qInstallMessageHandler(previous);
    return written;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef MOTIVICA_CLI_PDF
    setPdfWriter(writePdfOffscreen);
#endif
    if (args.empty()) {
        printHelp(std::cerr);
        return 2;
    }
    const std::string name = args.front();
    if (name == "--help" || name == "-h") {
        printHelp(std::cout);
        return checkedOutput(0, "--help");
    }
    if (name == "--version") {
        std::cout << "motivica-cli " << VERSION << "\n";
        return checkedOutput(0, "--version");
    }
    for (const TCliCommand& c : cliCommands()) {
        if (name != c.name)
            continue;
        try {
            return checkedOutput(c.run({args.begin() + 1, args.end()}, std::cout, std::cerr), name);
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
