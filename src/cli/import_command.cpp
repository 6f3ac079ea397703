#include "cli/import_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "exchange/import_error.h"
#include "exchange/melody_import.h"
#include "generation/chord_selection.h"
#include "model/document.h"
#include "model/output_file.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli import IN -o OUT.tnr [--part N] [--track N] [--harmonize]\n"
    "Reads the melody of a MusicXML score (.musicxml, .xml) or a standard MIDI file (.mid) into\n"
    "a new composition and writes it. Prints one line for every change the melody needed to\n"
    "fit: measure, beat, what was there and what was kept.\n\n"
    "  --part N      the part of a MusicXML score (from 1; default the first)\n"
    "  --track N     the track of a MIDI file (from 1; default the first with notes, or the\n"
    "                melody of a file this program exported)\n"
    "  --harmonize   choose chords for every motive as the window's harmonisation does\n";

}  // namespace

int runImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {"-o", "--part", "--track"}, {"--harmonize"});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string input = parsed.onlyPositional("input file IN (MusicXML or MIDI)");
    const std::string output = parsed.required("-o", "the output file OUT.tnr");
    TImportOptions options;
    options.part = parsed.intValue("--part", 1, 1000);
    options.track = parsed.intValue("--track", 1, 1000);
    if (isSameFile(input, output))
        throw TCommandError("Unable to import " + input + ": it is the output file as well");
    TMelodyImport imported;
    try {
        imported = importMelodyFile(input, options);
    } catch (const TImportError& e) {
        throw TCommandError("Unable to import " + input + ": " + e.what());
    }
    if (parsed.has("--harmonize"))
        harmonizeEveryMotive(imported.period);
    if (!writeDocument(imported.period, output))
        throw TCommandError("Unable to save file: " + output);
    for (const std::string& line : imported.report)
        out << line << "\n";
    return 0;
}
