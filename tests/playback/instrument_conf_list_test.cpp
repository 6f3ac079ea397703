#include "playback/instr_conf_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace fs = std::filesystem;

TEST(InstrConfList, ScansTheSetFilesInByteOrder) {
    TScratchFolder scratch("list");
    for (const char* f : {"strings.xml", "Default.xml", "Strings.xml", "brass.xml", "Z.xml",
                          "notes.txt", "upper.XML", "Half.xml.tmp1_0", ".xml"})
        scratch.write(std::string("instruments/") + f, "");
    fs::create_directory(scratch.path("instruments/folder.xml"));
    EXPECT_EQ(scanInstrumentSets(scratch.base()).names(),
              (std::vector<std::string>{"Default", "Strings", "Z", "brass", "strings"}));
}

TEST(InstrConfList, AMissingFolderGivesAnEmptyList) {
    TScratchFolder scratch("list");
    EXPECT_TRUE(scanInstrumentSets(scratch.base()).empty());
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
