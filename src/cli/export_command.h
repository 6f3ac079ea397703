#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class TCliArgs;
class TInstrumentConf;
class TPeriodData;

// motivica-cli export IN.tnr -o OUT [--format midi|musicxml|pdf] [--instruments NAME]
// Writes the whole period as the Export commands do: by default a format 1 MIDI file with the
// programs of the instrument set NAME of the base folder, or the default programs without it;
// with --format musicxml a MusicXML score; with --format pdf the printed score.
int runExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Writes the printed score of a period to a path; false when it could not. The score is drawn
// by the desktop's notation painter, which this library does not link: the program registers
// it when it is built with the desktop, and without one --format pdf fails.
using TPdfWriter =
    std::function<bool(const TPeriodData& period, const std::string& path, bool blackHeads)>;
void setPdfWriter(TPdfWriter writer);

// Shared by the playback commands: the document named by the single positional argument, and
// the set named by --instruments (the defaults when `fallbackName` is empty and the option is
// not given). Throw TCommandError when a file cannot be read.
TPeriodData readPeriodArgument(const TCliArgs& parsed);
// The -o file of a command that writes the composition in another format: refused (a
// TCommandError) when it is the input document itself, which would be lost.
std::string convertedOutputOption(const TCliArgs& parsed, const std::string& what);
TInstrumentConf readInstrumentsOption(const TCliArgs& parsed,
                                      const std::string& fallbackName = std::string());
