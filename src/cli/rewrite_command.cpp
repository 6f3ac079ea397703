#include "cli/rewrite_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "model/document.h"

namespace {

const char* const USAGE =
    "Usage: motivica-cli rewrite IN.tnr -o OUT.tnr\n"
    "Reads a document and writes it again in the program's own layout, as Open followed by\n"
    "Save As does.\n";

}  // namespace

int runRewriteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {"-o"}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string input = parsed.onlyPositional("input file IN.tnr");
    const std::string output = parsed.required("-o", "the output file OUT.tnr");

    // Open reads into the default composition the window holds at that moment
    TPeriodData period;
    if (!readDocument(period, input))
        throw TCommandError("Unable to open file: " + input);
    if (!writeDocument(period, output))
        throw TCommandError("Unable to save file: " + output);
    return 0;
}
