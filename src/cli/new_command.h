#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// motivica-cli new [--template 1..7] [--letters 1..5] [--key -7..7] [--mode major|minor]
//   [--meter 2/4|3/4|2/8|3/8] [--anacrusis TICKS] [--tempo 50..150] [--no-chords] -o OUT.tnr
// Builds the composition the New command builds from what the new-composition dialog hands
// over, and writes it.
int runNewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
