#include "model/base_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct TTempDir {
    std::string path;
    TTempDir() {
        char tmpl[] = "/tmp/motivica_base_XXXXXX";
        path = ::mkdtemp(tmpl);
    }
    ~TTempDir() { fs::remove_all(path); }
};

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(BaseFolder, ResolvesByTheThreeRules) {
    TTempDir plain;     // a working directory without the catalogue
    TTempDir withData;  // one that holds it
    writeFile(fs::path(withData.path) / "instruments.xml", "<INSTRUMENTS/>");

    struct TCase {
        const char* what;
        TBaseFolderEnvironment env;
        TBaseFolderChoice expected;
    };
    const TCase cases[] = {
        {"MOTIVICA_HOME wins over everything",
         {"/opt/mine", "/xdg", "/home/u", withData.path},
         {"/opt/mine/", TBaseFolderSource::MOTIVICA_HOME}},
        {"MOTIVICA_HOME keeps one trailing separator",
         {"/opt/mine/", std::nullopt, "/home/u", plain.path},
         {"/opt/mine/", TBaseFolderSource::MOTIVICA_HOME}},
        {"a relative MOTIVICA_HOME is taken against the working directory",
         {"data/../here", std::nullopt, "/home/u", "/work"},
         {"/work/here/", TBaseFolderSource::MOTIVICA_HOME}},
        {"an empty MOTIVICA_HOME counts as unset",
         {"", std::nullopt, "/home/u", withData.path},
         {withData.path + "/", TBaseFolderSource::WORKING_DIRECTORY}},
        {"a working directory with the catalogue",
         {std::nullopt, "/xdg", "/home/u", withData.path},
         {withData.path + "/", TBaseFolderSource::WORKING_DIRECTORY}},
        {"XDG_DATA_HOME",
         {std::nullopt, "/xdg/data", "/home/u", plain.path},
         {"/xdg/data/motivica/", TBaseFolderSource::USER_DATA}},
        {"HOME when XDG_DATA_HOME is unset",
         {std::nullopt, std::nullopt, "/home/u", plain.path},
         {"/home/u/.local/share/motivica/", TBaseFolderSource::USER_DATA}},
        {"an empty XDG_DATA_HOME counts as unset",
         {std::nullopt, "", "/home/u", plain.path},
         {"/home/u/.local/share/motivica/", TBaseFolderSource::USER_DATA}},
        {"a relative XDG_DATA_HOME is ignored",
         {std::nullopt, "rel/data", "/home/u", plain.path},
         {"/home/u/.local/share/motivica/", TBaseFolderSource::USER_DATA}},
        {"no home at all leaves the working directory",
         {std::nullopt, std::nullopt, std::nullopt, plain.path},
         {plain.path + "/", TBaseFolderSource::WORKING_DIRECTORY}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(resolveBaseFolder(c.env), c.expected);
    }
}

TEST(BaseFolder, AFolderNamedInstrumentsXmlIsNotTheCatalogue) {
    TTempDir cwd;
    fs::create_directory(fs::path(cwd.path) / "instruments.xml");
    TBaseFolderEnvironment env{std::nullopt, std::nullopt, "/home/u", cwd.path};
    EXPECT_EQ(resolveBaseFolder(env).source, TBaseFolderSource::USER_DATA);
}

TEST(BaseFolder, SeedingCopiesWhatIsMissingAndKeepsTheUsersFiles) {
    TTempDir shipped;
    TTempDir home;
    writeFile(fs::path(shipped.path) / "instruments.xml", "shipped catalogue");
    writeFile(fs::path(shipped.path) / "drums.xml", "shipped drums");
    writeFile(fs::path(shipped.path) / "instruments" / "Default.xml", "shipped default");
    writeFile(fs::path(shipped.path) / "instruments" / "Organ.xml", "shipped organ");

    const fs::path target = fs::path(home.path) / ".local" / "share" / "motivica";
    {
        SCOPED_TRACE("first use creates and fills the folder");
        ASSERT_TRUE(seedDataFolder(target.string() + "/", shipped.path));
        EXPECT_EQ(readFile(target / "instruments.xml"), "shipped catalogue");
        EXPECT_EQ(readFile(target / "instruments" / "Organ.xml"), "shipped organ");
        EXPECT_TRUE(fs::is_directory(target / "tnrs"));
        EXPECT_TRUE(fs::is_directory(target / "mids"));
    }
    {
        SCOPED_TRACE("later uses never overwrite");
        writeFile(target / "instruments" / "Default.xml", "my own default");
        writeFile(target / "instruments" / "Mine.xml", "my set");
        fs::remove(target / "drums.xml");
        ASSERT_TRUE(seedDataFolder(target.string() + "/", shipped.path));
        EXPECT_EQ(readFile(target / "instruments" / "Default.xml"), "my own default");
        EXPECT_EQ(readFile(target / "instruments" / "Mine.xml"), "my set");
        EXPECT_EQ(readFile(target / "drums.xml"), "shipped drums");  // what it lacks returns
        EXPECT_FALSE(fs::exists(fs::path(shipped.path) / "instruments" / "Mine.xml"));
    }
}

TEST(BaseFolder, SeedingWithoutShippedDataStillCreatesTheFolder) {
    TTempDir home;
    const std::string target = home.path + "/new/motivica/";
    EXPECT_TRUE(seedDataFolder(target, ""));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_TRUE(seedDataFolder(target, home.path + "/no-such-folder"));
    if (::geteuid() != 0) {
        fs::permissions(home.path, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(seedDataFolder(home.path + "/blocked/", ""));
        fs::permissions(home.path, fs::perms::owner_all);
    }
}

TEST(BaseFolder, IsFixedAtFirstUse) {
    // resolve into a folder of our own so that the test never creates the user's folder
    TTempDir mine;
    ::setenv("MOTIVICA_HOME", mine.path.c_str(), 1);
    const std::string first = baseFolder();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.back(), '/');
    TTempDir elsewhere;
    const fs::path old = fs::current_path();
    fs::current_path(elsewhere.path);
    ::setenv("MOTIVICA_HOME", elsewhere.path.c_str(), 1);
    EXPECT_EQ(baseFolder(), first);
    ::unsetenv("MOTIVICA_HOME");
    EXPECT_EQ(baseFolder(), first);
    fs::current_path(old);
}
