#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The documents opened or saved last, newest first, kept in a small text file of the per-user
// settings so that they survive the run. Every change reads the file again first, so that two
// running copies of the program do not undo each other's entries.
class TRecentFiles {
  public:
    static constexpr size_t CAPACITY = 8;

    // `path` is the settings file; with an empty path the list lives in memory only.
    explicit TRecentFiles(std::string path);

    const std::vector<std::string>& entries() const { return entries_; }
    const std::string& path() const { return path_; }

    // Reads the file again; a missing or unreadable file is an empty list.
    void reload();
    // Puts the document first (as an absolute path), once; beyond eight the oldest go.
    void add(const std::string& document);
    void remove(const std::string& document);
    // Takes off the entries whose files no longer exist and gives them, in list order.
    std::vector<std::string> dropMissing();
    void clear();

  private:
    void store();

    std::string path_;
    std::vector<std::string> entries_;
};

// The file: a comment line, then one path per line, newest first; a backslash and a line break
// inside a path are written "\\" and "\n".
std::string recentFilesText(const std::vector<std::string>& entries);
// Reads the lines back; comment and empty lines are skipped, and no more than eight are kept.
std::vector<std::string> parseRecentFiles(std::string_view text);

// The menu's text for entry `index` (from 0): its number as the mnemonic and the file's name;
// when another entry has the same file name, its folder follows, with the home folder
// written "~". Ampersands are doubled so that they show.
std::string recentFileLabel(const std::vector<std::string>& entries, size_t index,
                            const std::string& home);
