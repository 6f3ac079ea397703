#pragma once

#include <string>
#include <string_view>

// One value per line in the program's small text files (the recent documents, the recovery
// files): a backslash and a line break inside the value are written "\\" and "\n".
std::string escapedLine(std::string_view value);
std::string unescapedLine(std::string_view line);

// A whole file as bytes; empty when it cannot be read.
std::string readTextFile(const std::string& path);
