#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// motivica-cli info FILE.tnr
// Prints the file name, key, meter, anacrusis, tempo, the structure text with the phrase letters
// and the number of motives.
int runInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
