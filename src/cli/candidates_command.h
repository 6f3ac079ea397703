#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// motivica-cli candidates IN.tnr --motive K --time T [--notes-mode 0..4] [--rhythm-mode 0..3]
// Prints the note candidates the assistant offers at tick T of motive K, one line each in
// ascending pitch: PITCH CHORDTONE DURATIONS TURN RHYTHM.
int runCandidatesCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);
