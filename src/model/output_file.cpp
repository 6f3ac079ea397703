#include "model/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>

#include "model/xml_document.h"

namespace {

// Hops a chain of links may take before it counts as a loop, as the kernel counts them.
constexpr int MAX_LINK_HOPS = 40;

bool writeAll(int fd, std::string_view text) {
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return path.substr(0, slash + 1);
}

// The file a path finally names once its links are followed; a link to a file that does not
// exist yet names that file, so saving through it creates the file and keeps the link.
std::optional<std::string> followLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), buf, sizeof buf - 1);
        if (n < 0)
            return std::nullopt;
        std::string next(buf, static_cast<size_t>(n));
        current = next.front() == '/' ? next : folderOf(current) + next;
    }
    return std::nullopt;
}

TFileResult failure(const std::string& path, int error) {
    return TFileResult::saveError(path, std::strerror(error));
}

// A pipe or a device takes the bytes as they come; there is no previous content to keep.
TFileResult writeDirectly(const std::string& path, const std::string& target, bool isPipe,
                          std::string_view text) {
    // a pipe without a reader would block the caller (the window) until someone reads it
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | (isPipe ? O_NONBLOCK : 0));
    if (fd < 0) {
        if (errno == ENXIO)
            return TFileResult::saveError(path, "no program reads from the pipe");
        return failure(path, errno);
    }
    if (isPipe) {
        const int flags = ::fcntl(fd, F_GETFL);
        (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    bool ok = writeAll(fd, text);
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    return ok ? TFileResult::success() : failure(path, savedErrno);
}

TFileResult replaceThroughTemporary(const std::string& path, const std::string& target,
                                    const struct stat* existing, std::string_view text) {
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return failure(path, errno);
    }
    if (fd < 0)
        return TFileResult::saveError(path, "no temporary file name free");

    // an existing file keeps its permissions
    if (existing != nullptr)
        (void)::fchmod(fd, existing->st_mode & 07777);

    bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return failure(path, savedErrno);
    }
    return TFileResult::success();
}

}  // namespace

TFileResult writeTextFileAtomically(const std::string& path, std::string_view text) {
    if (path.empty())
        return TFileResult::saveError(path, "empty file name");
    const std::optional<std::string> target = followLinks(path);
    if (!target)
        return TFileResult::saveError(path, "too many levels of links");

    struct stat st {};
    if (::stat(target->c_str(), &st) != 0) {
        if (errno != ENOENT)
            return failure(path, errno);
        return replaceThroughTemporary(path, *target, nullptr, text);
    }
    if (S_ISREG(st.st_mode))
        return replaceThroughTemporary(path, *target, &st, text);
    if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode))
        return writeDirectly(path, *target, S_ISFIFO(st.st_mode), text);
    if (S_ISDIR(st.st_mode))
        return TFileResult::saveError(path, "is a folder");
    return TFileResult::saveError(path, "not a regular file, a pipe or a character device");
}

TFileResult writeBytesFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    return writeTextFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool isSameFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
