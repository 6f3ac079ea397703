#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TFileResult;

// Writes `text` to `path` so that the previous file survives any failure. What is written
// depends on what stands at the path:
// - nothing, or a regular file: the bytes go to a temporary file in the same folder, which
//   replaces the target only once it is complete; an existing file keeps its permissions;
// - a symbolic link: it is followed (through every hop) and its final target is written as
//   above, so the link stays a link;
// - a pipe or a character device (`-o /dev/stdout`, `-o /dev/null`): written directly, since
//   replacing it with a regular file would destroy it; a pipe nobody reads fails at once
//   rather than waiting for a reader;
// - anything else (a folder, a block device, a socket): refused.
// Every file the program writes (documents, configuration, instrument sets, MIDI, sound) goes
// through here.
TFileResult writeTextFileAtomically(const std::string& path, std::string_view text);
// The same for binary contents: exported MIDI files, rendered sound.
TFileResult writeBytesFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

// Whether two paths name the same existing file (after links), so that a command that turns a
// composition into another format can refuse to write over its own input.
bool isSameFile(const std::string& a, const std::string& b);
