#include "cli/candidates_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "generation/note_candidates.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/document.h"
#include "model/period_data.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli candidates IN.tnr --motive K --time T [--notes-mode 0..4]\n"
    "                                [--rhythm-mode 0..3]\n"
    "Prints the note candidates the assistant offers at tick T of motive K (0-based, in period\n"
    "order), one line each in ascending pitch: PITCH CHORDTONE DURATIONS TURN RHYTHM.\n"
    "Notes modes: 0 line, 1 arpeggio, 2 classic (default), 3 new way, 4 all.\n"
    "Rhythm modes: 0 sixteenth steps (default), 1 eighth steps, 2 quarter steps, 3 the same "
    "rhythm.\n";

void printCandidate(std::ostream& out, const TScVariant& v) {
    out << v.pitch << ' ' << (v.chording ? "yes" : "no") << ' ';
    for (size_t i = 0; i < v.durations.size(); ++i) {
        out << (i ? "," : "") << v.durations[i];
    }
    out << ' ' << v.turnPosition << ' ' << v.rhythmPosition << '\n';
}

}  // namespace

int runCandidatesCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {"--motive", "--time", "--notes-mode", "--rhythm-mode"}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string input = parsed.onlyPositional("input file IN.tnr");
    const std::string motiveText = parsed.required("--motive", "the motive index K");
    const std::string timeText = parsed.required("--time", "the tick T");
    const int notesMode = parsed.intValue("--notes-mode", 0, NOTES_MODE_COUNT - 1).value_or(2);
    const int rhythmMode = parsed.intValue("--rhythm-mode", 0, RHYTHM_MODE_COUNT - 1).value_or(0);

    TPeriodData period;
    if (!readDocument(period, input)) {
        throw TCommandError("Unable to open file: " + input);
    }
    const auto addresses = period.motiveAddresses();
    if (addresses.empty()) {
        throw TUsageError("option --motive: the document has no motives");
    }
    const int k =
        parseIntOrThrow(motiveText, "--motive", 0, static_cast<int>(addresses.size()) - 1);
    const TMotive& motive = period.motiveAt(addresses[static_cast<size_t>(k)]);
    if (motive.measureLength() <= 0) {
        throw TCommandError("motive " + std::to_string(k) + " has a meter without length");
    }
    const int t = parseIntOrThrow(timeText, "--time", motive.startTime(), motive.endTime() - 1);

    resetMotivicaRand();
    TScheme scheme;
    for (const TScVariant& v : candidatesAt(scheme, motive, t, notesMode, rhythmMode)) {
        printCandidate(out, v);
    }
    return 0;
}
