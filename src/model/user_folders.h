#pragma once

#include <optional>
#include <string>

// What decides where the per-user files that are not documents live.
struct TUserFolderEnvironment {
    std::optional<std::string> motivicaHome;   // $MOTIVICA_HOME
    std::optional<std::string> xdgConfigHome;  // $XDG_CONFIG_HOME
    std::optional<std::string> xdgDataHome;    // $XDG_DATA_HOME
    std::optional<std::string> home;           // $HOME
    std::string workingDirectory;
};

// The environment of this process.
TUserFolderEnvironment currentUserFolderEnvironment();

// Where the user's settings beyond "config.xml" are kept (the recent documents): the folder a
// user named with $MOTIVICA_HOME holds everything of that setup; otherwise
// ${XDG_CONFIG_HOME:-$HOME/.config}/motivica/. Empty when there is no home to speak of.
// With a trailing separator.
std::string settingsFolder(const TUserFolderEnvironment& env);

// Where the composition is kept safe between saves: $MOTIVICA_HOME/recovery/, otherwise
// ${XDG_DATA_HOME:-$HOME/.local/share}/motivica/recovery/. Empty when there is no home.
std::string recoveryFolder(const TUserFolderEnvironment& env);
