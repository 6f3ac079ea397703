#include "cli/export_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "exchange/musicxml_writer.h"
#include "model/base_folder.h"
#include "model/document.h"
#include "model/output_file.h"
#include "model/period_data.h"
#include "playback/instrument_conf.h"
#include "playback/midi_file_writer.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli export IN.tnr -o OUT [--format midi|musicxml|pdf] [--instruments NAME]\n"
    "                           [--black-heads]\n"
    "Writes the whole period as the Export commands do.\n\n"
    "  --format midi      a Standard MIDI File (format 1: conductor, melody, chords, bass;\n"
    "                     120 ticks a quarter); the default. The programs come from the\n"
    "                     instrument set NAME of the base folder, or are the defaults without it.\n"
    "  --format musicxml  a MusicXML 4.0 score: the melody on a treble staff, the chords' four\n"
    "                     voices on a grand staff with their degrees as Roman numerals.\n"
    "  --format pdf       the printed score on A4 pages: the melody and the harmony on a grand\n"
    "                     staff with the chord labels and a legend of the colours; needs no\n"
    "                     display.\n"
    "  --black-heads      with --format pdf: every note head black, for printing without\n"
    "                     colour.\n";

TPdfWriter& pdfWriter() {
    static TPdfWriter writer;
    return writer;
}

std::string extension(const std::string& format) {
    return format == "midi" ? "mid" : format;
}

}  // namespace

void setPdfWriter(TPdfWriter writer) {
    pdfWriter() = std::move(writer);
}

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
    const TCliArgs parsed(args, {"-o", "--instruments", "--format"}, {"--black-heads"});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const std::string format = parsed.value("--format").value_or("midi");
    if (format != "midi" && format != "musicxml" && format != "pdf")
        throw TUsageError("option --format accepts midi, musicxml or pdf");
    if (parsed.has("--black-heads") && format != "pdf")
        throw TUsageError("option --black-heads goes with --format pdf");
    const std::string output =
        convertedOutputOption(parsed, "the output file OUT." + extension(format));
    TPeriodData period = readPeriodArgument(parsed);
    // a score is titled after its document, as the window names an opened one
    period.setName(parsed.positionals().front());
    if (format == "pdf") {
        if (!pdfWriter())
            throw TCommandError("PDF export needs the desktop build");
        if (!pdfWriter()(period, output, parsed.has("--black-heads")))
            throw TCommandError("Unable to save file: " + output);
        return 0;
    }
    if (format == "musicxml") {
        // the score holds no sounds: an instrument set named for it is not even looked at
        if (!writeMusicXmlFile(period, output))
            throw TCommandError("Unable to save file: " + output);
        return 0;
    }
    const TInstrumentConf set = readInstrumentsOption(parsed);

    if (!writeMidiFile(TMidiFileContent::ofPeriod(period, set), output))
        throw TCommandError("Unable to save file: " + output);
    return 0;
}
