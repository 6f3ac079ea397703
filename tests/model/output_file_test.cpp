#include "model/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <future>
#include <thread>

#include "model/xml_document.h"
#include "support/scratch_folder.h"

namespace {

// The kind of what stands at a path, without following a link there.
mode_t kindAt(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return 0;
    return st.st_mode & S_IFMT;
}

// Reads everything a writer puts into a pipe until it closes its end.
std::string drain(const std::string& fifo) {
    const int fd = ::open(fifo.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "open failed";
    std::string text;
    char buf[256];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        text.append(buf, static_cast<size_t>(n));
    ::close(fd);
    return text;
}

}  // namespace

TEST(AtomicWrite, ReplacesTheFileOnlyWhenComplete) {
    TScratchFolder dir("xml");
    const std::string path = dir.path("out.txt");
    ASSERT_TRUE(writeTextFileAtomically(path, "first"));
    EXPECT_EQ(readWholeFile(path), "first");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(writeTextFileAtomically(path, "second\n"));
    EXPECT_EQ(readWholeFile(path), "second\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the file keeps its permissions
    // no temporary file stays behind
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.folder()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(AtomicWrite, AFailureKeepsThePreviousFile) {
    TScratchFolder dir("xml");
    const std::string path = dir.path("keep.txt");
    ASSERT_TRUE(writeTextFileAtomically(path, "precious"));
    {
        SCOPED_TRACE("target is a folder");
        TFileResult r = writeTextFileAtomically(dir.folder(), "x");
        EXPECT_FALSE(r);
        EXPECT_EQ(r.messageKey, "save error");
    }
    {
        SCOPED_TRACE("folder missing");
        TFileResult r = writeTextFileAtomically(dir.path("no/such/file.txt"), "x");
        EXPECT_FALSE(r);
        EXPECT_EQ(r.path, dir.path("no/such/file.txt"));
    }
    if (::geteuid() != 0) {
        SCOPED_TRACE("folder not writable");
        ::chmod(dir.folder().c_str(), 0500);
        TFileResult r = writeTextFileAtomically(path, "overwritten");
        ::chmod(dir.folder().c_str(), 0700);
        EXPECT_FALSE(r);
        EXPECT_EQ(readWholeFile(path), "precious");
    }
}

TEST(AtomicWrite, WritesThroughALink) {
    TScratchFolder dir("xml");
    const std::string real = dir.path("real.txt");
    const std::string link = dir.path("link.txt");
    ASSERT_TRUE(writeTextFileAtomically(real, "old"));
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_TRUE(writeTextFileAtomically(link, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readWholeFile(real), "new");
}

TEST(AtomicWrite, FollowsEveryLinkAndKeepsIt) {
    TScratchFolder dir("xml");
    {
        SCOPED_TRACE("a chain of two relative links");
        ASSERT_TRUE(writeTextFileAtomically(dir.path("real.txt"), "old"));
        ASSERT_EQ(::symlink("real.txt", dir.path("one.txt").c_str()), 0);
        ASSERT_EQ(::symlink("one.txt", dir.path("two.txt").c_str()), 0);
        ASSERT_TRUE(writeTextFileAtomically(dir.path("two.txt"), "new"));
        EXPECT_EQ(kindAt(dir.path("two.txt")), S_IFLNK);
        EXPECT_EQ(kindAt(dir.path("one.txt")), S_IFLNK);
        EXPECT_EQ(dir.read("real.txt"), "new");
    }
    {
        SCOPED_TRACE("a link to a file not there yet");
        ASSERT_EQ(::symlink("later.txt", dir.path("dangling.txt").c_str()), 0);
        ASSERT_TRUE(writeTextFileAtomically(dir.path("dangling.txt"), "made"));
        EXPECT_EQ(kindAt(dir.path("dangling.txt")), S_IFLNK);
        EXPECT_EQ(dir.read("later.txt"), "made");
    }
    {
        SCOPED_TRACE("a loop of links");
        ASSERT_EQ(::symlink("loop-b", dir.path("loop-a").c_str()), 0);
        ASSERT_EQ(::symlink("loop-a", dir.path("loop-b").c_str()), 0);
        TFileResult r = writeTextFileAtomically(dir.path("loop-a"), "x");
        EXPECT_FALSE(r);
        EXPECT_EQ(r.messageKey, "save error");
        EXPECT_EQ(kindAt(dir.path("loop-a")), S_IFLNK);
        EXPECT_EQ(kindAt(dir.path("loop-b")), S_IFLNK);
    }
}

TEST(AtomicWrite, WritesAPipeDirectly) {
    TScratchFolder dir("xml");
    const std::string fifo = dir.path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    {
        SCOPED_TRACE("nobody reads: fails at once instead of waiting");
        const auto start = std::chrono::steady_clock::now();
        TFileResult r = writeTextFileAtomically(fifo, "lost");
        EXPECT_FALSE(r);
        EXPECT_EQ(r.messageKey, "save error");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(kindAt(fifo), S_IFIFO);
    }
    {
        SCOPED_TRACE("a reader takes every byte, more than the pipe holds at once");
        std::future<std::string> read = std::async(std::launch::async, drain, fifo);
        const std::string text(200000, 'x');
        TFileResult r;
        // the reader may not have opened its end yet
        for (int attempt = 0; attempt < 500; ++attempt) {
            r = writeTextFileAtomically(fifo, text);
            if (r)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_TRUE(r) << r.detail;
        EXPECT_EQ(read.get(), text);
        EXPECT_EQ(kindAt(fifo), S_IFIFO);
        // no temporary file was made beside it
        int files = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.folder()))
            ++files;
        EXPECT_EQ(files, 1);
    }
}

TEST(AtomicWrite, WritesADeviceWithoutReplacingIt) {
    ASSERT_EQ(kindAt("/dev/null"), S_IFCHR);
    EXPECT_TRUE(writeTextFileAtomically("/dev/null", "gone"));
    EXPECT_EQ(kindAt("/dev/null"), S_IFCHR);  // as root, a rename would have replaced it
    if (kindAt("/dev/full") == S_IFCHR) {
        TFileResult r = writeTextFileAtomically("/dev/full", "no room");
        EXPECT_FALSE(r);
        EXPECT_EQ(kindAt("/dev/full"), S_IFCHR);
    }
}

TEST(AtomicWrite, RefusesOtherKindsOfFile) {
    TScratchFolder dir("xml");
    const std::string socketPath = dir.path("s");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    TFileResult r = writeTextFileAtomically(socketPath, "x");
    ::close(fd);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.messageKey, "save error");
    EXPECT_EQ(kindAt(socketPath), S_IFSOCK);
    EXPECT_FALSE(writeTextFileAtomically("", "x"));
}

TEST(AtomicWrite, TellsWhenTwoPathsNameOneFile) {
    TScratchFolder dir("xml");
    const std::string a = dir.write("a.tnr", "a");
    const std::string b = dir.write("b.tnr", "b");
    ASSERT_EQ(::symlink("a.tnr", dir.path("link.tnr").c_str()), 0);
    ASSERT_EQ(::link(a.c_str(), dir.path("hard.tnr").c_str()), 0);
    EXPECT_TRUE(isSameFile(a, a));
    EXPECT_TRUE(isSameFile(a, dir.path("link.tnr")));
    EXPECT_TRUE(isSameFile(dir.path("hard.tnr"), a));
    EXPECT_TRUE(isSameFile(a, dir.folder() + "/./a.tnr"));
    EXPECT_FALSE(isSameFile(a, b));
    EXPECT_FALSE(isSameFile(a, dir.path("missing.tnr")));
    EXPECT_FALSE(isSameFile(dir.path("missing.tnr"), dir.path("missing.tnr")));
}
