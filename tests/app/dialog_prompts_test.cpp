#include "app/dialog_prompts.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <chrono>
#include <future>
#include <thread>

#include "app/name_only_icon_provider.h"
#include "support/scratch_folder.h"

TEST(DialogPromptsTest, FileFiltersBecomeQtNameFilters) {
    // what "Files of type" lists: a name, then the pattern in parentheses as Qt parses it
    EXPECT_EQ(qtNameFilters("Compositions|*.tnr|All files|*"),
              "Compositions (*.tnr);;All files (*)");
    // a label that already shows its pattern is not given it twice
    EXPECT_EQ(qtNameFilters("(*.mid)|*.mid"), "(*.mid)");
    // several patterns of one entry are separated by blanks for Qt
    EXPECT_EQ(qtNameFilters("Pictures|*.png;*.jpg"), "Pictures (*.png *.jpg)");
    EXPECT_EQ(qtNameFilters(""), "");
    EXPECT_EQ(qtNameFilters("no pattern"), "");
}

// The file dialogs judge a file by its name: listing a pipe nobody writes to (as /proc/kmsg is
// for a reader) must not wait for its contents.
TEST(DialogPromptsTest, TheFileDialogsNeverReadAFileToListIt) {
    TScratchFolder scratch("name_only_icons");
    const std::string pipe = scratch.path("pipe.tnr");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // held open for reading and writing, so that a reader's open goes through and its read waits
    const int held = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(held, 0);
    std::promise<QString> listed;
    std::thread lister([&] {
        const TNameOnlyIconProvider icons;
        const QFileInfo info(QString::fromStdString(pipe));
        const QString type = icons.type(info);
        (void)icons.icon(info);
        listed.set_value(type);
    });
    std::future<QString> result = listed.get_future();
    const bool answered = result.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!answered) {
        // let the stuck reader go before failing
        const std::string bytes(4096, 'x');
        (void)!::write(held, bytes.data(), bytes.size());
    }
    lister.join();
    ::close(held);
    ASSERT_TRUE(answered) << "listing a pipe waited for its contents";
    EXPECT_FALSE(result.get().isEmpty());

    const TNameOnlyIconProvider icons;
    EXPECT_EQ(icons.type(QFileInfo(QString::fromStdString(scratch.base()))), "Folder");
    // a file whose name says nothing is a file, whatever its first bytes would say
    const std::string unnamed = scratch.write("score", "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    EXPECT_EQ(icons.type(QFileInfo(QString::fromStdString(unnamed))), "File");
    const std::string named = scratch.write("score.pdf", "not a PDF at all");
    EXPECT_EQ(icons.type(QFileInfo(QString::fromStdString(named))), "PDF document");
}
