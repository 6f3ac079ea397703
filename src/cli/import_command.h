#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// motivica-cli import IN -o OUT.tnr [--part N] [--track N] [--harmonize]
// Reads the melody of a MusicXML score or a standard MIDI file into a new composition and writes
// it; prints one line for every change the melody needed to fit. With --harmonize every motive
// is given chords as the window's harmonisation does.
int runImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
