#include "model/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace {

std::vector<std::string> documents(const TScratchFolder& folder, int count) {
    std::vector<std::string> paths;
    for (int i = 1; i <= count; ++i)
        paths.push_back(folder.write("song" + std::to_string(i) + ".tnr", "<PERIOD>"));
    return paths;
}

}  // namespace

TEST(RecentFiles, TheFileByteForByteAndBack) {
    const std::vector<std::string> entries = {"/home/u/tnrs/new song.tnr", "/tmp/a\\b.tnr",
                                              "/tmp/two\nlines.tnr"};
    const std::string text = recentFilesText(entries);
    EXPECT_EQ(text,
              "# Motivica: the documents opened or saved last, newest first\n"
              "/home/u/tnrs/new song.tnr\n"
              "/tmp/a\\\\b.tnr\n"
              "/tmp/two\\nlines.tnr\n");
    EXPECT_EQ(parseRecentFiles(text), entries);
    EXPECT_EQ(recentFilesText({}),
              "# Motivica: the documents opened or saved last, newest first\n");
}

TEST(RecentFiles, ReadingForgivesWhatAHandEditedFileHolds) {
    // blank lines, Windows line ends, repeats, a missing last line break, and more than eight
    std::string text = "# comment\n\n/a.tnr\r\n/a.tnr\n";
    for (int i = 0; i < 10; ++i)
        text += "/f" + std::to_string(i) + ".tnr\n";
    text += "/last.tnr";
    const std::vector<std::string> read = parseRecentFiles(text);
    ASSERT_EQ(read.size(), TRecentFiles::CAPACITY);
    EXPECT_EQ(read.front(), "/a.tnr");
    EXPECT_EQ(read.back(), "/f6.tnr");
    EXPECT_TRUE(parseRecentFiles("").empty());
}

TEST(RecentFiles, NewestFirstOnceAndNeverMoreThanEight) {
    TScratchFolder folder("recent");
    const std::vector<std::string> docs = documents(folder, 10);
    TRecentFiles recent(folder.path("settings/recent-files"));  // the folder is made on demand
    for (const std::string& d : docs)
        recent.add(d);
    ASSERT_EQ(recent.entries().size(), 8u);
    EXPECT_EQ(recent.entries().front(), docs[9]);
    EXPECT_EQ(recent.entries().back(), docs[2]);

    // opening one again brings it to the front without a second entry; another spelling of the
    // same path is the same document
    recent.add(folder.folder() + "/./song5.tnr");
    ASSERT_EQ(recent.entries().size(), 8u);
    EXPECT_EQ(recent.entries().front(), docs[4]);
    EXPECT_EQ(std::count(recent.entries().begin(), recent.entries().end(), docs[4]), 1);

    // the next run finds the same list
    TRecentFiles again(folder.path("settings/recent-files"));
    EXPECT_EQ(again.entries(), recent.entries());
    EXPECT_EQ(folder.read("settings/recent-files"), recentFilesText(recent.entries()));
}

TEST(RecentFiles, TwoRunningCopiesKeepEachOthersEntries) {
    TScratchFolder folder("recent");
    const std::vector<std::string> docs = documents(folder, 2);
    TRecentFiles first(folder.path("recent-files"));
    TRecentFiles second(folder.path("recent-files"));
    first.add(docs[0]);
    second.add(docs[1]);
    EXPECT_EQ(second.entries(), (std::vector<std::string>{docs[1], docs[0]}));
    first.reload();
    EXPECT_EQ(first.entries(), second.entries());
}

TEST(RecentFiles, MissingFilesAreDroppedAndNamed) {
    TScratchFolder folder("recent");
    const std::vector<std::string> docs = documents(folder, 3);
    TRecentFiles recent(folder.path("recent-files"));
    for (const std::string& d : docs)
        recent.add(d);
    std::filesystem::remove(docs[0]);
    std::filesystem::remove(docs[2]);
    EXPECT_EQ(recent.dropMissing(), (std::vector<std::string>{docs[2], docs[0]}));
    EXPECT_EQ(recent.entries(), std::vector<std::string>{docs[1]});
    EXPECT_EQ(TRecentFiles(folder.path("recent-files")).entries(), recent.entries());
    EXPECT_TRUE(recent.dropMissing().empty());

    recent.remove(docs[1]);
    EXPECT_TRUE(recent.entries().empty());
}

TEST(RecentFiles, WithoutAFileTheListLivesInMemory) {
    TScratchFolder folder("recent");
    const std::vector<std::string> docs = documents(folder, 1);
    TRecentFiles recent{std::string()};
    recent.add(docs[0]);
    EXPECT_EQ(recent.entries(), docs);
    recent.clear();
    EXPECT_TRUE(recent.entries().empty());
}

TEST(RecentFiles, MenuLabelsNumberAndTellApartTheSameName) {
    const std::vector<std::string> entries = {"/home/u/tnrs/song.tnr", "/home/u/old/song.tnr",
                                              "/srv/Rock & Roll.tnr", "/home/u"};
    EXPECT_EQ(recentFileLabel(entries, 0, "/home/u"), "&1  song.tnr  (~/tnrs)");
    EXPECT_EQ(recentFileLabel(entries, 1, "/home/u/"), "&2  song.tnr  (~/old)");
    EXPECT_EQ(recentFileLabel(entries, 2, "/home/u"), "&3  Rock && Roll.tnr");
    // a folder that only begins like the home folder is not in it
    EXPECT_EQ(recentFileLabel({"/home/uu/a.tnr", "/x/a.tnr"}, 0, "/home/u"),
              "&1  a.tnr  (/home/uu)");
}
