#include "model/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "model/output_file.h"
#include "model/text_line.h"
#include "model/xml_document.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view FIRST_LINE = "MOTIVICA RECOVERY 1\n";
constexpr std::string_view NAME_PREFIX = "NAME ";
constexpr const char* DATA_EXTENSION = ".recovery";
constexpr const char* LOCK_EXTENSION = ".lock";
// a lock file without data is left by a run that kept nothing; one this old is no run starting
constexpr std::time_t STALE_LOCK_SECONDS = 60;

std::time_t modified(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

// Whether a live run holds the lock file: one that cannot be opened counts as held, so that
// nothing of a run this process cannot see into is taken away.
bool lockHeld(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno != ENOENT;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

}  // namespace

TRecoveryStore::TRecoveryStore(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != '/')
        folder_ += '/';
}

TRecoveryStore::~TRecoveryStore() {
    if (lock_ >= 0)
        ::close(lock_);
}

bool TRecoveryStore::begin() {
    if (lock_ >= 0)
        return true;
    if (folder_.empty())
        return false;
    std::error_code ec;
    // the compositions kept there are the user's own, for nobody else to read
    if (fs::create_directories(folder_, ec))
        fs::permissions(folder_, fs::perms::owner_all, ec);
    // the process id keeps apart the runs of this moment, the time a run that had the same id
    // before the machine restarted
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::string id =
        "session-" + std::to_string(::getpid()) + "-" +
        std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    const std::string lockFile = folder_ + id + LOCK_EXTENSION;
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        ::unlink(lockFile.c_str());
        return false;
    }
    lock_ = fd;
    lockFile_ = lockFile;
    file_ = folder_ + id + DATA_EXTENSION;
    return true;
}

TFileResult TRecoveryStore::keep(const std::string& name, const std::string& document) {
    if (lock_ < 0)
        return TFileResult::saveError(file_, "no recovery folder");
    return writeTextFileAtomically(file_, recoveryFileText(name, document));
}

void TRecoveryStore::clear() {
    if (lock_ < 0)
        return;
    std::error_code ec;
    fs::remove(file_, ec);
}

void TRecoveryStore::end() {
    if (lock_ < 0)
        return;
    clear();
    std::error_code ec;
    fs::remove(lockFile_, ec);
    ::close(lock_);
    lock_ = -1;
}

std::vector<TLeftBehindWork> TRecoveryStore::leftBehind() const {
    std::vector<TLeftBehindWork> found;
    std::error_code ec;
    if (folder_.empty() || !fs::is_directory(folder_, ec))
        return found;
    const std::time_t now = std::time(nullptr);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, ec)) {
        const fs::path path = entry.path();
        const std::string ext = path.extension().string();
        fs::path lock = path;
        lock.replace_extension(LOCK_EXTENSION);
        if (path.string() == file_ || path.string() == lockFile_)
            continue;
        if (ext == LOCK_EXTENSION) {
            // a run that ended before it kept anything leaves only its lock
            fs::path data = path;
            data.replace_extension(DATA_EXTENSION);
            std::error_code one;
            if (!fs::exists(data, one) && now - modified(path.string()) > STALE_LOCK_SECONDS &&
                !lockHeld(path.string()))
                fs::remove(path, one);
            continue;
        }
        if (ext != DATA_EXTENSION || lockHeld(lock.string()))
            continue;
        TLeftBehindWork work;
        work.file = path.string();
        work.lockFile = lock.string();
        work.changed = modified(work.file);
        if (!parseRecoveryFile(readTextFile(work.file), work.name, work.document))
            continue;  // not ours to judge: left as it is
        found.push_back(std::move(work));
    }
    std::sort(found.begin(), found.end(), [](const TLeftBehindWork& a, const TLeftBehindWork& b) {
        return a.changed != b.changed ? a.changed > b.changed : a.file > b.file;
    });
    return found;
}

void TRecoveryStore::discard(const TLeftBehindWork& work) {
    std::error_code ec;
    fs::remove(work.file, ec);
    fs::remove(work.lockFile, ec);
}

std::string recoveryFileText(const std::string& name, const std::string& document) {
    std::string text(FIRST_LINE);
    text += NAME_PREFIX;
    text += escapedLine(name);
    text += "\n\n";
    text += document;
    return text;
}

bool parseRecoveryFile(std::string_view text, std::string& name, std::string& document) {
    if (!text.starts_with(FIRST_LINE))
        return false;
    text.remove_prefix(FIRST_LINE.size());
    const size_t end = text.find('\n');
    if (end == std::string_view::npos || !text.starts_with(NAME_PREFIX))
        return false;
    const std::string_view rest = text.substr(end + 1);
    if (!rest.starts_with('\n'))
        return false;
    name = unescapedLine(text.substr(NAME_PREFIX.size(), end - NAME_PREFIX.size()));
    document = std::string(rest.substr(1));
    return true;
}
