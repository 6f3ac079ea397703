#include "model/recovery_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "model/recovery_keeper.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

size_t filesIn(const std::string& folder, const std::string& extension) {
    size_t n = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        n += e.path().extension() == extension ? 1 : 0;
    return n;
}

}  // namespace

TEST(RecoveryFile, ByteForByteAndBack) {
    const std::string document = "<PERIOD>\n    <TEMPO VALUE=\"100\"/>\n</PERIOD>";
    EXPECT_EQ(recoveryFileText("/home/u/tnrs/song.tnr", document),
              "MOTIVICA RECOVERY 1\nNAME /home/u/tnrs/song.tnr\n\n" + document);
    EXPECT_EQ(recoveryFileText("a\\b\nc", ""), "MOTIVICA RECOVERY 1\nNAME a\\\\b\\nc\n\n");

    std::string name;
    std::string read;
    ASSERT_TRUE(parseRecoveryFile(recoveryFileText("a\\b\nc", document), name, read));
    EXPECT_EQ(name, "a\\b\nc");
    EXPECT_EQ(read, document);
    ASSERT_TRUE(parseRecoveryFile(recoveryFileText("Untitled", ""), name, read));
    EXPECT_EQ(name, "Untitled");
    EXPECT_EQ(read, "");
    for (const char* wrong :
         {"", "<PERIOD>", "MOTIVICA RECOVERY 2\nNAME x\n\n", "MOTIVICA RECOVERY 1\nNAME x\n",
          "MOTIVICA RECOVERY 1\nTITLE x\n\n<PERIOD>", "MOTIVICA RECOVERY 1\nNAME x\n<PERIOD>"}) {
        SCOPED_TRACE(wrong);
        EXPECT_FALSE(parseRecoveryFile(wrong, name, read));
    }
}

TEST(RecoveryStore, WorkOfARunThatIsGoneIsFoundAndALiveRunsIsNot) {
    TScratchFolder folder("recovery");
    const std::string dir = folder.path("recovery");

    auto crashed = std::make_unique<TRecoveryStore>(dir);
    ASSERT_TRUE(crashed->begin());
    ASSERT_TRUE(crashed->keep("/tnrs/a.tnr", "<PERIOD>a</PERIOD>"));
    const std::string crashedFile = crashed->file();
    EXPECT_EQ(readWholeFile(crashedFile),
              "MOTIVICA RECOVERY 1\nNAME /tnrs/a.tnr\n\n<PERIOD>a</PERIOD>");

    TRecoveryStore running(dir);
    ASSERT_TRUE(running.begin());
    ASSERT_TRUE(running.keep("Untitled", "<PERIOD>b</PERIOD>"));

    // while both live, neither sees the other's work as left behind
    TRecoveryStore starting(dir);
    ASSERT_TRUE(starting.begin());
    EXPECT_TRUE(starting.leftBehind().empty());

    crashed.reset();  // ends as a killed run does: its lock goes, its file stays
    ASSERT_TRUE(fs::exists(crashedFile));
    const std::vector<TLeftBehindWork> found = starting.leftBehind();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].file, crashedFile);
    EXPECT_EQ(found[0].name, "/tnrs/a.tnr");
    EXPECT_EQ(found[0].document, "<PERIOD>a</PERIOD>");
    EXPECT_GT(found[0].changed, 0);

    TRecoveryStore::discard(found[0]);
    EXPECT_FALSE(fs::exists(crashedFile));
    EXPECT_TRUE(starting.leftBehind().empty());

    // a normal close takes everything of its run away
    running.end();
    EXPECT_EQ(filesIn(dir, ".recovery"), 0u);
    starting.end();
    EXPECT_EQ(filesIn(dir, ".lock"), 0u);
}

TEST(RecoveryStore, NewestFirstAndForeignFilesLeftAlone) {
    TScratchFolder folder("recovery");
    const std::string dir = folder.path("recovery");
    std::string older;
    std::string newer;
    {
        TRecoveryStore a(dir);
        ASSERT_TRUE(a.begin());
        ASSERT_TRUE(a.keep("old", "<PERIOD/>"));
        older = a.file();
        TRecoveryStore b(dir);
        ASSERT_TRUE(b.begin());
        ASSERT_TRUE(b.keep("new", "<PERIOD/>"));
        newer = b.file();
    }
    const auto past = fs::last_write_time(newer) - std::chrono::hours(1);
    fs::last_write_time(older, past);
    writeWholeFile(fs::path(dir) / "notes.recovery", "not a recovery file");
    writeWholeFile(fs::path(dir) / "README", "hello");

    TRecoveryStore now(dir);
    ASSERT_TRUE(now.begin());
    const std::vector<TLeftBehindWork> found = now.leftBehind();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, "new");
    EXPECT_EQ(found[1].name, "old");
    EXPECT_TRUE(fs::exists(fs::path(dir) / "notes.recovery"));
}

TEST(RecoveryStore, WithoutAFolderNothingIsKept) {
    TScratchFolder folder("recovery");
    const std::string blocked = folder.write("file", "a file where the folder would be");
    TRecoveryStore store(blocked + "/recovery");
    EXPECT_FALSE(store.begin());
    EXPECT_FALSE(store.keep("x", "<PERIOD/>"));
    EXPECT_TRUE(store.leftBehind().empty());
    TRecoveryStore none{std::string()};
    EXPECT_FALSE(none.begin());
}

TEST(RecoveryKeeper, KeepsUnsavedChangesOnlyAndOnlyWhenTheyChanged) {
    TScratchFolder folder("recovery");
    TRecoveryStore store(folder.path("recovery"));
    ASSERT_TRUE(store.begin());
    TRecoveryKeeper keeper(store);
    keeper.markSaved("<PERIOD>saved</PERIOD>");

    keeper.update("<PERIOD>saved</PERIOD>", "Untitled");
    EXPECT_FALSE(fs::exists(store.file())) << "an unchanged composition needs no keeping";

    keeper.update("<PERIOD>edited</PERIOD>", "Untitled");
    ASSERT_TRUE(keeper.keeping());
    EXPECT_EQ(readWholeFile(store.file()), recoveryFileText("Untitled", "<PERIOD>edited</PERIOD>"));

    // the same composition again is not written again
    fs::remove(store.file());
    keeper.update("<PERIOD>edited</PERIOD>", "Untitled");
    EXPECT_FALSE(fs::exists(store.file()));
    // a new name is
    keeper.update("<PERIOD>edited</PERIOD>", "/tnrs/x.tnr");
    EXPECT_EQ(readWholeFile(store.file()),
              recoveryFileText("/tnrs/x.tnr", "<PERIOD>edited</PERIOD>"));

    // saved: nothing is left to recover
    keeper.markSaved("<PERIOD>edited</PERIOD>");
    keeper.update("<PERIOD>edited</PERIOD>", "/tnrs/x.tnr");
    EXPECT_FALSE(keeper.keeping());
    EXPECT_FALSE(fs::exists(store.file()));

    // an edit undone by hand back to the saved state takes the file away as well
    keeper.update("<PERIOD>again</PERIOD>", "/tnrs/x.tnr");
    EXPECT_TRUE(fs::exists(store.file()));
    keeper.update("<PERIOD>edited</PERIOD>", "/tnrs/x.tnr");
    EXPECT_FALSE(fs::exists(store.file()));
}

TEST(RecoveryKeeper, AFailedWriteIsTriedAgain) {
    TScratchFolder folder("recovery");
    TRecoveryStore store(folder.path("recovery"));
    ASSERT_TRUE(store.begin());
    TRecoveryKeeper keeper(store);
    keeper.markSaved("<PERIOD/>");
    // a folder where the file goes makes every write fail, even for root
    fs::create_directory(store.file());
    keeper.update("<PERIOD>edited</PERIOD>", "Untitled");
    EXPECT_FALSE(keeper.keeping());
    fs::remove(store.file());
    keeper.update("<PERIOD>edited</PERIOD>", "Untitled");
    EXPECT_TRUE(keeper.keeping());
    EXPECT_EQ(readWholeFile(store.file()), recoveryFileText("Untitled", "<PERIOD>edited</PERIOD>"));
}
