#include "cli/harmonize_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "generation/chord_selection.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/document.h"
#include "model/period_data.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli harmonize IN.tnr -o OUT.tnr [--motive K]...\n"
    "Chooses chords for the named motives (0-based, in period order; default: all of them, in\n"
    "order) as the motive canvas does, one motive after another, and writes the document.\n"
    "The notes' chord-tone flags are recomputed against the new chords.\n";

}  // namespace

int runHarmonizeCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {"-o", "--motive"}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string input = parsed.onlyPositional("input file IN.tnr");
    const std::string output = parsed.required("-o", "the output file OUT.tnr");

    TPeriodData period;
    if (!readDocument(period, input)) {
        throw TCommandError("Unable to open file: " + input);
    }
    const size_t count = period.motiveCount();
    std::vector<size_t> motives;
    for (const std::string& text : parsed.values("--motive")) {
        if (count == 0) {
            throw TUsageError("option --motive: the document has no motives");
        }
        motives.push_back(
            static_cast<size_t>(parseIntOrThrow(text, "--motive", 0, static_cast<int>(count) - 1)));
    }
    if (!parsed.has("--motive")) {
        for (size_t i = 0; i < count; ++i) {
            motives.push_back(i);
        }
    }

    // every run draws the same numbers, as the program does after start
    resetMotivicaRand();
    const TScheme scheme;
    harmonizePeriod(period, motives, scheme);

    if (!writeDocument(period, output)) {
        throw TCommandError("Unable to save file: " + output);
    }
    return 0;
}
