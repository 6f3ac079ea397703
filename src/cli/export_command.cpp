#include "cli/export_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "model/base_folder.h"
#include "model/document.h"
#include "model/output_file.h"
#include "model/period_data.h"
#include "playback/instrument_conf.h"
#include "playback/midi_file_writer.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli export IN.tnr -o OUT.mid [--instruments NAME]\n"
    "Writes the whole period as a Standard MIDI File (format 1: conductor, melody, chords,\n"
    "bass; 120 ticks a quarter), as the Export command does. The programs come from the\n"
    "instrument set NAME of the base folder, or are the defaults without it.\n";

}  // namespace

TPeriodData readPeriodArgument(const TCliArgs& parsed) {
    const std::string input = parsed.onlyPositional("input file IN.tnr");
    TPeriodData period;
    if (!readDocument(period, input))
        throw TCommandError("Unable to open file: " + input);
    return period;
}

std::string convertedOutputOption(const TCliArgs& parsed, const std::string& what) {
    const std::string output = parsed.required("-o", what);
    for (const std::string& input : parsed.positionals())
        if (isSameFile(input, output))
            throw TCommandError("Will not write over the input file: " + output);
    return output;
}

TInstrumentConf readInstrumentsOption(const TCliArgs& parsed, const std::string& fallbackName) {
    TInstrumentConf set;
    const std::optional<std::string> named = parsed.value("--instruments");
    const std::string name = named ? *named : fallbackName;
    if (name.empty())
        return set;
    if (!isSafeInstrumentSetName(name)) {
        if (named)
            throw TUsageError("option --instruments: not a set name: " + name);
        return set;
    }
    TXmlDocument document;
    const TFileResult loaded = loadInstrumentSet(set, name, document, baseFolder());
    if (!loaded) {
        // a configured set that is gone leaves the defaults, as at the program's start
        if (!named)
            return TInstrumentConf();
        throw TCommandError("Unable to open file: " + instrumentSetPath(baseFolder(), name));
    }
    return set;
}

int runExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {"-o", "--instruments"}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string output = convertedOutputOption(parsed, "the output file OUT.mid");
    const TPeriodData period = readPeriodArgument(parsed);
    const TInstrumentConf set = readInstrumentsOption(parsed);

    if (!writeMidiFile(TMidiFileContent::ofPeriod(period, set), output))
        throw TCommandError("Unable to save file: " + output);
    return 0;
}
