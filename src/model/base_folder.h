#pragma once

#include <optional>
#include <string>

// What decides the base folder (three environment values and the working directory) and the
// per-user folders beside it.
struct TBaseFolderEnvironment {
    std::optional<std::string> motivicaHome;  // $MOTIVICA_HOME
    std::optional<std::string> xdgDataHome;   // $XDG_DATA_HOME
    std::optional<std::string> home;          // $HOME
    std::string workingDirectory;
    std::optional<std::string> xdgConfigHome = std::nullopt;  // $XDG_CONFIG_HOME
};

enum class TBaseFolderSource {
    MOTIVICA_HOME,      // named by the user
    WORKING_DIRECTORY,  // the working directory holds the catalogue
    USER_DATA,          // the per-user data folder, created and seeded on first use
};

struct TBaseFolderChoice {
    std::string folder;  // absolute, with a trailing separator
    TBaseFolderSource source = TBaseFolderSource::WORKING_DIRECTORY;

    bool operator==(const TBaseFolderChoice&) const = default;
};

// The folder every data file is resolved against: $MOTIVICA_HOME when set; else the working
// directory when it holds "instruments.xml"; else ${XDG_DATA_HOME:-$HOME/.local/share}/motivica.
// Only looks at the file system, never changes it.
TBaseFolderChoice resolveBaseFolder(const TBaseFolderEnvironment& env);

// Creates `folder` when missing and copies into it every shipped data file it lacks, keeping
// the user's own files as they are. Returns false when the folder cannot be created.
bool seedDataFolder(const std::string& folder, const std::string& shippedFolder);

// Where the data files that come with the program are, for the program at `executable`:
// `installedFromBin` (relative to the executable's folder) or "data" there when either holds
// "instruments.xml", else `compiledIn` when it is a folder, else empty.
std::string chooseShippedDataFolder(const std::string& executable,
                                    const std::string& installedFromBin,
                                    const std::string& compiledIn);

// The folder holding the data files that come with this program, or empty when none is found:
// the installed data beside the executable first, then the source tree's data it was built from.
std::string shippedDataFolder();

// The environment of this process.
TBaseFolderEnvironment currentBaseFolderEnvironment();

// The base folder of this run, resolved (and for the per-user folder seeded) at the first call
// and kept unchanged afterwards.
const std::string& baseFolder();

// Where the user's settings beyond "config.xml" are kept (the recent documents): the folder a
// user named with $MOTIVICA_HOME holds everything of that setup; otherwise
// ${XDG_CONFIG_HOME:-$HOME/.config}/motivica/. Empty when there is no home to speak of.
// With a trailing separator.
std::string settingsFolder(const TBaseFolderEnvironment& env);

// Where the composition is kept safe between saves: $MOTIVICA_HOME/recovery/, otherwise
// ${XDG_DATA_HOME:-$HOME/.local/share}/motivica/recovery/. Empty when there is no home.
std::string recoveryFolder(const TBaseFolderEnvironment& env);
