#include "playback/instr_conf_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

struct TTempDir {
    std::string path;
    TTempDir() {
        char tmpl[] = "/tmp/motivica_list_XXXXXX";
        path = std::string(::mkdtemp(tmpl)) + "/";
    }
    ~TTempDir() { fs::remove_all(path); }
};

void touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path);
}

}  // namespace

TEST(InstrConfList, ScansTheSetFilesInByteOrder) {
    TTempDir base;
    const fs::path dir = fs::path(base.path) / "instruments";
    for (const char* f : {"strings.xml", "Default.xml", "Strings.xml", "brass.xml", "Z.xml",
                          "notes.txt", "upper.XML", "Half.xml.tmp1_0", ".xml"})
        touch(dir / f);
    fs::create_directory(dir / "folder.xml");
    EXPECT_EQ(scanInstrumentSets(base.path).names(),
              (std::vector<std::string>{"Default", "Strings", "Z", "brass", "strings"}));
}

TEST(InstrConfList, AMissingFolderGivesAnEmptyList) {
    TTempDir base;
    EXPECT_TRUE(scanInstrumentSets(base.path).empty());
}

TEST(InstrConfList, FindsNamesWithoutRegardToCase) {
    TInstrConfList list({"strings", "Default", "Strings", "brass"});
    ASSERT_EQ(list.names(), (std::vector<std::string>{"Default", "Strings", "brass", "strings"}));
    // two names that differ only in case: another spelling finds the first in sorted order
    EXPECT_EQ(indexOfName(list, "sTRINGS"), std::optional<size_t>(1));
    EXPECT_EQ(indexOfName(list, "strings"), std::optional<size_t>(1));
    EXPECT_EQ(indexOfName(list, "DEFAULT"), std::optional<size_t>(0));
    EXPECT_EQ(indexOfName(list, "Brass"), std::optional<size_t>(2));
    EXPECT_EQ(indexOfName(list, "Organ"), std::nullopt);
    EXPECT_EQ(indexOfName(list, ""), std::nullopt);
    EXPECT_EQ(indexOfName(TInstrConfList(), "Default"), std::nullopt);
}

TEST(InstrConfList, LowerCasesAsciiLettersOnly) {
    TFindLowerCase find("AbC");
    EXPECT_TRUE(find("abc"));
    EXPECT_TRUE(find("ABC"));
    EXPECT_FALSE(find("abcd"));
    EXPECT_EQ(TFindLowerCase::lowerCase("Z@[\xc3\x89"), "z@[\xc3\x89");
}
