#include "model/base_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace fs = std::filesystem;

TEST(BaseFolder, ResolvesByTheThreeRules) {
    TScratchFolder plain("base");     // a working directory without the catalogue
    TScratchFolder withData("base");  // one that holds it
    withData.write("instruments.xml", "<INSTRUMENTS/>");

    struct TCase {
        const char* what;
        TBaseFolderEnvironment env;
        TBaseFolderChoice expected;
    };
    const TCase cases[] = {
        {"MOTIVICA_HOME wins over everything",
         {"/opt/mine", "/xdg", "/home/u", withData.folder()},
         {"/opt/mine/", TBaseFolderSource::MOTIVICA_HOME}},
        {"MOTIVICA_HOME keeps one trailing separator",
         {"/opt/mine/", std::nullopt, "/home/u", plain.folder()},
         {"/opt/mine/", TBaseFolderSource::MOTIVICA_HOME}},
        {"a relative MOTIVICA_HOME is taken against the working directory",
         {"data/../here", std::nullopt, "/home/u", "/work"},
         {"/work/here/", TBaseFolderSource::MOTIVICA_HOME}},
        {"an empty MOTIVICA_HOME counts as unset",
         {"", std::nullopt, "/home/u", withData.folder()},
         {withData.base(), TBaseFolderSource::WORKING_DIRECTORY}},
        {"a working directory with the catalogue",
         {std::nullopt, "/xdg", "/home/u", withData.folder()},
         {withData.base(), TBaseFolderSource::WORKING_DIRECTORY}},
        {"XDG_DATA_HOME",
         {std::nullopt, "/xdg/data", "/home/u", plain.folder()},
         {"/xdg/data/motivica/", TBaseFolderSource::USER_DATA}},
        {"HOME when XDG_DATA_HOME is unset",
         {std::nullopt, std::nullopt, "/home/u", plain.folder()},
         {"/home/u/.local/share/motivica/", TBaseFolderSource::USER_DATA}},
        {"an empty XDG_DATA_HOME counts as unset",
         {std::nullopt, "", "/home/u", plain.folder()},
         {"/home/u/.local/share/motivica/", TBaseFolderSource::USER_DATA}},
        {"a relative XDG_DATA_HOME is ignored",
         {std::nullopt, "rel/data", "/home/u", plain.folder()},
         {"/home/u/.local/share/motivica/", TBaseFolderSource::USER_DATA}},
        {"no home at all leaves the working directory",
         {std::nullopt, std::nullopt, std::nullopt, plain.folder()},
         {plain.base(), TBaseFolderSource::WORKING_DIRECTORY}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(resolveBaseFolder(c.env), c.expected);
    }
}

TEST(BaseFolder, AFolderNamedInstrumentsXmlIsNotTheCatalogue) {
    TScratchFolder cwd("base");
    fs::create_directory(cwd.path("instruments.xml"));
    TBaseFolderEnvironment env{std::nullopt, std::nullopt, "/home/u", cwd.folder()};
    EXPECT_EQ(resolveBaseFolder(env).source, TBaseFolderSource::USER_DATA);
}

TEST(BaseFolder, SeedingCopiesWhatIsMissingAndKeepsTheUsersFiles) {
    TScratchFolder shipped("base");
    TScratchFolder home("base");
    shipped.write("instruments.xml", "shipped catalogue");
    shipped.write("drums.xml", "shipped drums");
    shipped.write("instruments/Default.xml", "shipped default");
    shipped.write("instruments/Organ.xml", "shipped organ");

    const fs::path target = home.path(".local/share/motivica");
    {
        SCOPED_TRACE("first use creates and fills the folder");
        ASSERT_TRUE(seedDataFolder(target.string() + "/", shipped.folder()));
        EXPECT_EQ(readWholeFile(target / "instruments.xml"), "shipped catalogue");
        EXPECT_EQ(readWholeFile(target / "instruments" / "Organ.xml"), "shipped organ");
        EXPECT_TRUE(fs::is_directory(target / "tnrs"));
        EXPECT_TRUE(fs::is_directory(target / "mids"));
    }
    {
        SCOPED_TRACE("later uses never overwrite");
        writeWholeFile(target / "instruments" / "Default.xml", "my own default");
        writeWholeFile(target / "instruments" / "Mine.xml", "my set");
        fs::remove(target / "drums.xml");
        ASSERT_TRUE(seedDataFolder(target.string() + "/", shipped.folder()));
        EXPECT_EQ(readWholeFile(target / "instruments" / "Default.xml"), "my own default");
        EXPECT_EQ(readWholeFile(target / "instruments" / "Mine.xml"), "my set");
        EXPECT_EQ(readWholeFile(target / "drums.xml"), "shipped drums");  // what it lacks returns
        EXPECT_FALSE(fs::exists(shipped.path("instruments/Mine.xml")));
    }
}

TEST(BaseFolder, SeedingWithoutShippedDataStillCreatesTheFolder) {
    TScratchFolder home("base");
    const std::string target = home.base() + "new/motivica/";
    EXPECT_TRUE(seedDataFolder(target, ""));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_TRUE(seedDataFolder(target, home.base() + "no-such-folder"));
    if (::geteuid() != 0) {
        fs::permissions(home.folder(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(seedDataFolder(home.base() + "blocked/", ""));
        fs::permissions(home.folder(), fs::perms::owner_all);
    }
}

TEST(BaseFolder, IsFixedAtFirstUse) {
    // resolve into a folder of our own so that the test never creates the user's folder
    TScratchFolder mine("base");
    ::setenv("MOTIVICA_HOME", mine.folder().c_str(), 1);
    const std::string first = baseFolder();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.back(), '/');
    TScratchFolder elsewhere("base");
    const fs::path old = fs::current_path();
    fs::current_path(elsewhere.folder());
    ::setenv("MOTIVICA_HOME", elsewhere.folder().c_str(), 1);
    EXPECT_EQ(baseFolder(), first);
    ::unsetenv("MOTIVICA_HOME");
    EXPECT_EQ(baseFolder(), first);
    fs::current_path(old);
}

TEST(BaseFolder, ShippedDataBesideTheExecutableWinsOverTheSources) {
    TScratchFolder prefix("base");   // an installed tree: bin/motivica, share/motivica/
    TScratchFolder sources("base");  // the source tree's data the program was built from
    sources.write("instruments.xml", "source catalogue");
    const std::string exe = prefix.path("bin/motivica");
    writeWholeFile(exe, "");
    const std::string fromBin = "../share/motivica";

    {
        SCOPED_TRACE("the build tree: nothing installed, the sources' data is used");
        EXPECT_EQ(chooseShippedDataFolder(exe, fromBin, sources.folder()), sources.folder());
    }
    {
        SCOPED_TRACE("a folder there without the catalogue is not the data");
        fs::create_directories(prefix.path("share/motivica/help"));
        EXPECT_EQ(chooseShippedDataFolder(exe, fromBin, sources.folder()), sources.folder());
    }
    prefix.write("share/motivica/instruments.xml", "installed catalogue");
    {
        SCOPED_TRACE("installed data wins although the sources still exist");
        EXPECT_EQ(chooseShippedDataFolder(exe, fromBin, sources.folder()),
                  prefix.path("share/motivica"));
    }
    {
        SCOPED_TRACE("the path from bin is the one configured, not a fixed one");
        EXPECT_EQ(chooseShippedDataFolder(exe, "../lib/motivica-data", sources.folder()),
                  sources.folder());
        prefix.write("lib/motivica-data/instruments.xml", "elsewhere");
        EXPECT_EQ(chooseShippedDataFolder(exe, "../lib/motivica-data", sources.folder()),
                  prefix.path("lib/motivica-data"));
    }
    {
        SCOPED_TRACE("an unpacked folder keeps its data in data/ beside the executable");
        TScratchFolder unpacked("base");
        unpacked.write("motivica", "");
        unpacked.write("data/instruments.xml", "unpacked catalogue");
        EXPECT_EQ(chooseShippedDataFolder(unpacked.path("motivica"), fromBin, sources.folder()),
                  unpacked.path("data"));
    }
    {
        SCOPED_TRACE("no executable known, no sources: nothing");
        EXPECT_EQ(chooseShippedDataFolder("", fromBin, sources.folder()), sources.folder());
        EXPECT_EQ(chooseShippedDataFolder(exe, "", prefix.path("no-such-folder")), "");
        EXPECT_EQ(chooseShippedDataFolder(exe, fromBin, ""), prefix.path("share/motivica"));
    }
}

TEST(BaseFolder, SettingsAndRecoveryFollowTheXdgRules) {
    struct TCase {
        const char* what;
        TBaseFolderEnvironment env;
        const char* settings;
        const char* recovery;
    };
    const TCase cases[] = {
        {"the home folder's defaults",
         {std::nullopt, std::nullopt, "/home/u", "/work", std::nullopt},
         "/home/u/.config/motivica/",
         "/home/u/.local/share/motivica/recovery/"},
        {"the XDG variables",
         {std::nullopt, "/data/", "/home/u", "/work", "/cfg"},
         "/cfg/motivica/",
         "/data/motivica/recovery/"},
        {"relative XDG variables are ignored",
         {std::nullopt, "data", "/home/u", "/work", "cfg"},
         "/home/u/.config/motivica/",
         "/home/u/.local/share/motivica/recovery/"},
        {"MOTIVICA_HOME holds everything of its setup",
         {"/opt/mine", "/data", "/home/u", "/work", "/cfg"},
         "/opt/mine/",
         "/opt/mine/recovery/"},
        {"a relative MOTIVICA_HOME is taken against the working directory",
         {"here/../mine", std::nullopt, "/home/u", "/work", std::nullopt},
         "/work/mine/",
         "/work/mine/recovery/"},
        {"no home: nothing is kept",
         {std::nullopt, std::nullopt, std::nullopt, "/work", std::nullopt},
         "",
         ""},
        {"no home, but an XDG variable",
         {std::nullopt, std::nullopt, std::nullopt, "/work", "/cfg"},
         "/cfg/motivica/",
         ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(settingsFolder(c.env), c.settings);
        EXPECT_EQ(recoveryFolder(c.env), c.recovery);
    }
}
