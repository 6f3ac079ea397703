#include "model/user_folders.h"

#include <gtest/gtest.h>

TEST(UserFolders, SettingsAndRecoveryFollowTheXdgRules) {
    struct TCase {
        const char* what;
        TUserFolderEnvironment env;
        const char* settings;
        const char* recovery;
    };
    const TCase cases[] = {
        {"the home folder's defaults",
         {std::nullopt, std::nullopt, std::nullopt, "/home/u", "/work"},
         "/home/u/.config/motivica/",
         "/home/u/.local/share/motivica/recovery/"},
        {"the XDG variables",
         {std::nullopt, "/cfg", "/data/", "/home/u", "/work"},
         "/cfg/motivica/",
         "/data/motivica/recovery/"},
        {"relative XDG variables are ignored",
         {std::nullopt, "cfg", "data", "/home/u", "/work"},
         "/home/u/.config/motivica/",
         "/home/u/.local/share/motivica/recovery/"},
        {"MOTIVICA_HOME holds everything of its setup",
         {"/opt/mine", "/cfg", "/data", "/home/u", "/work"},
         "/opt/mine/",
         "/opt/mine/recovery/"},
        {"a relative MOTIVICA_HOME is taken against the working directory",
         {"here/../mine", std::nullopt, std::nullopt, "/home/u", "/work"},
         "/work/mine/",
         "/work/mine/recovery/"},
        {"no home: nothing is kept",
         {std::nullopt, std::nullopt, std::nullopt, std::nullopt, "/work"},
         "",
         ""},
        {"no home, but an XDG variable",
         {std::nullopt, "/cfg", std::nullopt, std::nullopt, "/work"},
         "/cfg/motivica/",
         ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(settingsFolder(c.env), c.settings);
        EXPECT_EQ(recoveryFolder(c.env), c.recovery);
    }
}
